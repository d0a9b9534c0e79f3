#include "tools/render/parameter_requests.h"

#include <algorithm>
#include <cmath>

#include "tools/render/number_text.h"
#include "tools/render/render_options.h"

namespace {

double ParseNumber(const std::string& text, const std::string& context) {
  const double value = NumberOfText(text);
  if (!std::isfinite(value)) {
    throw UsageError("\"" + text + "\" is not a number, in \"" + context + "\"");
  }
  return value;
}

float ParseNormalised(const std::string& text, const std::string& context) {
  const double value = ParseNumber(text, context);
  if (value < 0.0 || value > 1.0) {
    throw UsageError("parameter values are normalised, from 0 to 1: " + text + " in \"" + context + "\"");
  }
  return static_cast<float>(value);
}

// Splits at the last '=': a parameter's name may hold one, a value never does.
std::pair<std::string, std::string> SplitNameAndValue(const std::string& text) {
  const std::size_t equals = text.rfind('=');
  if (equals == std::string::npos || equals == 0 || equals + 1 == text.size()) {
    throw UsageError("\"" + text + "\" is not of the form NAME=VALUE");
  }
  return {text.substr(0, equals), text.substr(equals + 1)};
}

AutomationPoint ParsePoint(const std::string& point, const std::string& context) {
  const std::size_t colon = point.find(':');
  if (colon == std::string::npos) throw UsageError("\"" + point + "\" is not of the form SECONDS:VALUE");
  const double seconds = ParseNumber(point.substr(0, colon), context);
  if (seconds < 0.0) throw UsageError("automation times start at 0 s, in \"" + context + "\"");
  return {seconds, ParseNormalised(point.substr(colon + 1), context)};
}

}  // namespace

ParameterSetting ParseParameterSetting(const std::string& text) {
  const auto [name, value] = SplitNameAndValue(text);
  return {name, ParseNormalised(value, text)};
}

ParameterAutomation ParseParameterAutomation(const std::string& text) {
  const auto [name, points] = SplitNameAndValue(text);
  ParameterAutomation automation{name, {}};
  std::size_t start = 0;
  while (start <= points.size()) {
    const std::size_t comma = std::min(points.find(',', start), points.size());
    automation.points.push_back(ParsePoint(points.substr(start, comma - start), text));
    start = comma + 1;
  }
  return automation;
}
