#include <gtest/gtest.h>

#include "tests/tools/render_test_support.h"
#include "tools/render/json_text.h"

namespace {

TEST(JsonText, StringsAreEscapedAndInvalidUtf8IsReplaced) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "\"plain\""},
      {"say \"hi\" \\ /", "\"say \\\"hi\\\" \\\\ /\""},
      {"\n\r\t\x01\x1f", "\"\\n\\r\\t\\u0001\\u001f\""},
      {std::string("a\0b", 3), "\"a\\u0000b\""},
      {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb9", "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb9\""},  // kept as it is
      {"\xb5s", "\"\\ufffds\""},                   // a Windows code page's micro sign
      {"\xc0\xaf", "\"\\ufffd\\ufffd\""},          // an overlong '/'
      {"\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""},  // a surrogate
      {"\xe2\x82", "\"\\ufffd\\ufffd\""},          // cut short
      {"\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},  // beyond U+10FFFF
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(JsonString(text), json) << json;
}

TEST(JsonText, InfoAsJsonDescribesThePlugIn) {
  const ToolRun run = RunTool({"--info", "--json", "--plugin", ProbePlugin()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.front(), '{');
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "}\n");
  for (const char* expected :
       {"\"effect\": \"probe\"", "\"uniqueId\": 1886544485", "\"uniqueIdText\": \"prbe\"", "\"version\": 3",
        "\"inputs\": 2", "\"outputs\": 11", "\"programs\": 2",
        "\"flags\": {\"replacing\": true, \"doubleReplacing\": false, \"programChunks\": false, \"editor\": false}",
        "{\"index\": 0, \"name\": \"alpha\", \"value\": 0.5, \"display\": \"0.500\", \"label\": \"\"}",
        "{\"index\": 2, \"name\": \"say \\\"hi\\\" \\\\ \\ufffd\", \"value\": 0.5, \"display\": \"0.500\", "
        "\"label\": \"\\t\\u0001\"}"}) {
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected << " in\n" << run.out;
  }
}

}  // namespace
