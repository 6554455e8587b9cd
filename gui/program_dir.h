#pragma once

#include <filesystem>
#include <string_view>

#include "model/program_folder.h"

// `ProgramDir`: the folder of "App.ini", "eval.dat", "DateFormats.dat" and
// "disciplines.csv", and the folder a relative document name is taken in.
namespace vellex {

// The program's own folder: settingsFolder for the running executable.
std::filesystem::path locateProgramDir();

// A name that needs no folder joined to it: on Linux one that starts with '/', on
// Windows one with a drive letter ("C:...") or a leading separator.
bool isAbsoluteDocumentName(std::string_view name);

// The document a command-line argument names: absolute names unchanged, any other name
// taken in `programDir` (not in the current folder).
std::filesystem::path documentPathFromArgument(const std::filesystem::path& programDir,
                                               std::string_view argument);

}  // namespace vellex
