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

// settingsFolder for the running executable, found without Qt (appconv).
std::filesystem::path ownSettingsFolder();

}  // namespace vellex
