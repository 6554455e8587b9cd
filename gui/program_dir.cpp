#include "gui/program_dir.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "gui/gui_text.h"
#include "text/file_io.h"

namespace vellex {
namespace fs = std::filesystem;

fs::path locateProgramDir() {
    const QString appDir = QCoreApplication::applicationDirPath();
    const bool writable = !appDir.isEmpty() && QFileInfo(appDir).isWritable();
    return settingsFolder(pathFromQString(appDir), writable);
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
    if (isAbsoluteDocumentName(argument)) {
        return pathFromUtf8(argument);
    }
    return programDir / pathFromUtf8(argument);
}

}  // namespace vellex
