#pragma once

// The developer trace: a line appended to a log file in the root folder of the current
// drive, and a short tone, so that a trace point is recorded and heard while a host runs.

// "\zirp.log.txt" on Windows; "/zirp.log.txt" elsewhere.
extern const char* const kDiagnosticsLogPath;

// Appends "text\n" to the log and sounds the log tone: the tone's result (non-zero when
// it played, and always on platforms without one), or 0 when the log file cannot be
// opened, in which case there is no tone.
int AppendLog(const char* text);
// AppendLog with the log file and the tone given.
int AppendLogTo(const char* path, const char* text, int (*tone)());
