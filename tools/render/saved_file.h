#pragma once

#include <string>
#include <vector>

// Writes a file that the tool saves (a preset, a state chunk) so that no half-written
// file is ever left at path: the bytes go to a temporary file in the same folder,
// which then replaces path. Throws std::runtime_error naming what (such as "the
// preset file") and the path.
void SaveFile(const std::string& path, const std::vector<unsigned char>& bytes, const std::string& what);

// Moves the file from into the place of to in one step, replacing a file there; from
// and to are in the same folder. Answers the system's reason when it cannot, else an
// empty text.
std::string MoveIntoPlace(const std::string& from, const std::string& to);
