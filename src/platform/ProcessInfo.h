// What the program knows of its own process: the folder it was started from.
#pragma once

#include <filesystem>
#include <string>

namespace vorn {

// The folder that holds the running executable; throws VornError when it cannot be found.
std::filesystem::path programFolder();
// Makes the program's folder the current folder, so the data files open by their bare names.
void enterProgramFolder();

}  // namespace vorn
