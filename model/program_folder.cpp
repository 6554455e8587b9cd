#include "model/program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "text/file_io.h"

namespace vellex {
namespace fs = std::filesystem;

bool isPackageInstall(const fs::path& programFolder) {
    const fs::path usr("/usr");
    const fs::path normal = programFolder.lexically_normal();
    auto it = normal.begin();
    auto u = usr.begin();
    for (; u != usr.end(); ++u, ++it) {
        if (it == normal.end() || *it != *u) {
            return false;
        }
    }
    return it != normal.end() && !it->empty();
}

fs::path chooseProgramDir(const fs::path& programFolder, bool programFolderWritable,
                          std::string_view xdgConfigHome, std::string_view home) {
    if (programFolderWritable && !programFolder.empty() && !isPackageInstall(programFolder)) {
        return programFolder;
    }
    // The XDG rule: a relative XDG_CONFIG_HOME is invalid and ignored.
    if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/') {
        return pathFromUtf8(xdgConfigHome) / "vellex";
    }
    return pathFromUtf8(home) / ".config" / "vellex";
}

fs::path settingsFolder(const fs::path& programFolder, bool programFolderWritable) {
    fs::path dir;
    if (const char* forced = std::getenv("VELLEX_PROGRAM_DIR"); forced && *forced) {
        dir = pathFromUtf8(forced);
    } else {
        const char* xdg = std::getenv("XDG_CONFIG_HOME");
        const char* home = std::getenv("HOME");
        dir = chooseProgramDir(programFolder, programFolderWritable, xdg ? xdg : "",
                               home ? home : "");
    }
    // A folder that cannot be created shows up later, when "App.ini" cannot be written.
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir;
}

fs::path ownSettingsFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const fs::path folder = ec ? fs::path() : exe.parent_path();
    const bool writable = !folder.empty() && ::access(folder.c_str(), W_OK) == 0;
    return settingsFolder(folder, writable);
}

bool isAbsoluteDocumentName(std::string_view name) {
#ifdef _WIN32
    return (name.size() >= 2 && name[1] == ':') ||
           (!name.empty() && (name.front() == '\\' || name.front() == '/'));
#else
    return !name.empty() && name.front() == '/';
#endif
}

fs::path documentPathFromArgument(const fs::path& programDir, std::string_view argument) {
    if (isAbsoluteDocumentName(argument))
        return fs::path(std::string(argument));
    return programDir / fs::path(std::string(argument));
}

}  // namespace vellex
