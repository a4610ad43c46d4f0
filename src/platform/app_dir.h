#pragma once
// The program's folder, and making a folder the current one.
#include <string>

namespace platform {

// Appends the separator unless the folder already ends in one (the root).
std::string WithTrailingSeparator(std::string folder);

// Folder of the running executable, symlinks resolved, ending in '/'.
std::string ProgramFolder();

// Makes the folder the process's current folder.
void ChDir(const std::string& folder);

}  // namespace platform
