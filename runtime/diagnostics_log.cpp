#include "runtime/diagnostics_log.h"

#include <cstdio>
#include <memory>

#include "platform/platform_services.h"

#ifdef _WIN32
const char* const kDiagnosticsLogPath = "\\zirp.log.txt";
#else
const char* const kDiagnosticsLogPath = "/zirp.log.txt";
#endif

int AppendLog(const char* text) { return AppendLogTo(kDiagnosticsLogPath, text, SoundLogBeep); }

// The file is opened and closed on every call, so that each line is on disk when the
// call returns, even if the host dies right after.
int AppendLogTo(const char* path, const char* text, int (*tone)()) {
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "a"));
    if (!file) return 0;
    std::fprintf(file.get(), "%s\n", text ? text : "");
  }
  return tone();
}
