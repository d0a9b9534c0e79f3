#include "runtime/diagnostics_log.h"

#include <cstdio>

#include "platform/platform_services.h"
#include "runtime/stdio_file.h"

#ifdef _WIN32
const char* const kDiagnosticsLogPath = "\\zirp.log.txt";
#else
const char* const kDiagnosticsLogPath = "/zirp.log.txt";
#endif

int AppendLog(const char* text) { return AppendLogTo(kDiagnosticsLogPath, text, SoundLogBeep); }

// The file is opened and closed on every call, so that each line is on disk when the
// call returns, even if the host dies right after.
int AppendLogTo(const char* path, const char* text, int (*tone)()) {
  {
    const StdioFile file(std::fopen(path, "a"));
    if (!file) return 0;
    std::fprintf(file.get(), "%s\n", text ? text : "");
  }
  return tone();
}
