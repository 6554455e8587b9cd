#pragma once

#include <filesystem>
#include <string_view>

// The folder of "App.ini", "eval.dat", "DateFormats.dat" and "disciplines.csv", found the
// same way by the window, vellex-print and appconv.
namespace vellex {

// A program under "/usr/" was installed by the package: it is never a portable install
// and registers nothing of its own (the package registers it system-wide).
bool isPackageInstall(const std::filesystem::path& programFolder);

// The folder beside the program when it is writable (a portable install, a build tree)
// and not a package install (root can write to "/usr/bin"); otherwise
// `$XDG_CONFIG_HOME/vellex` (`~/.config/vellex` when the variable is unset).
std::filesystem::path chooseProgramDir(const std::filesystem::path& programFolder,
                                       bool programFolderWritable, std::string_view xdgConfigHome,
                                       std::string_view home);

// chooseProgramDir for the running program, whose executable lies in `programFolder`, with
// the environment's XDG_CONFIG_HOME and HOME; the folder is created when missing. The
// variable VELLEX_PROGRAM_DIR, when set, names the folder instead (tests, kiosks).
std::filesystem::path settingsFolder(const std::filesystem::path& programFolder,
                                     bool programFolderWritable);

// settingsFolder for the running executable: the one rule the window, vellex-print and
// appconv find "App.ini" by.
std::filesystem::path ownSettingsFolder();

// A name that needs no folder joined to it: on Linux one that starts with '/', on
// Windows one with a drive letter ("C:...") or a leading separator.
bool isAbsoluteDocumentName(std::string_view name);

// The document a command-line argument names: absolute names unchanged, any other name
// taken in `programDir` (not in the current folder).
std::filesystem::path documentPathFromArgument(const std::filesystem::path& programDir,
                                               std::string_view argument);

}  // namespace vellex
