#pragma once

#include <string>
#include <vector>

// Parameter values as the command line asks for them. A parameter is named by its
// name as the plug-in reports it or by its index; a value is the normalised 0 to 1
// value that a host sends with setParameter.

struct ParameterSetting {
  std::string parameter;
  float value;
};

struct AutomationPoint {
  double seconds;
  float value;
};

struct ParameterAutomation {
  std::string parameter;
  std::vector<AutomationPoint> points;
};

// "NAME=VALUE"; throws UsageError.
ParameterSetting ParseParameterSetting(const std::string& text);
// "NAME=SECONDS:VALUE,SECONDS:VALUE,..."; throws UsageError.
ParameterAutomation ParseParameterAutomation(const std::string& text);
