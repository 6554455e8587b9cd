#include "gui/file_association.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "gui/gui_text.h"
#include "model/program_folder.h"
#include "text/file_io.h"

namespace vellex {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kDefaultSection = "[Default Applications]";

// One argument of an Exec line: quoted, with the characters the quoting reserves
// escaped, '%' doubled, and then the backslashes of the desktop-file string escaped.
std::string execArgument(std::string_view arg) {
    std::string quoted = "\"";
    for (char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        if (c == '%') {
            quoted += '%';
        }
        quoted += c;
    }
    quoted += '"';
    std::string out;
    for (char c : quoted) {
        if (c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

bool isSectionHeader(std::string_view line) {
    line = trimmed(line);
    return !line.empty() && line.front() == '[';
}

// The key of a "key=value" line, or empty.
std::string_view keyOf(std::string_view line) {
    const size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : trimmed(line.substr(0, eq));
}

std::string defaultLine() {
    return std::string(kDocumentMimeType) + "=" + std::string(kDesktopFileName);
}

bool fileHolds(const fs::path& path, std::string_view text) {
    std::string current;
    return readWholeFile(path, current, nullptr) && current == text;
}

bool writeCreatingFolder(const fs::path& path, std::string_view text) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (ec) {
        return false;
    }
    return writeFileAtomically(path, text, nullptr);
}

void startDetachedIfPresent(const QString& program, const fs::path& folder) {
    const QString found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty()) {
        QProcess::startDetached(found, QStringList{pathToQString(folder)});
    }
}

}  // namespace

std::optional<std::string> desktopEntryText(const fs::path& programPath) {
    const std::string path = pathToUtf8(programPath);
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos) {
        return std::nullopt;
    }
    std::string text;
    text += "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Name=Vellex\n";
    text += "Comment=Заполнение и печать документов об образовании\n";
    text += "Exec=" + execArgument(path) + " %f\n";
    text += "MimeType=" + std::string(kDocumentMimeType) + ";\n";
    text += "Terminal=false\n";
    text += "Categories=Office;\n";
    text += "NoDisplay=false\n";
    return text;
}

std::string mimePackageText() {
    std::string text;
    text += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    text += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    text += "  <mime-type type=\"" + std::string(kDocumentMimeType) + "\">\n";
    text += "    <comment>Vellex document</comment>\n";
    text += "    <comment xml:lang=\"ru\">Документ Vellex</comment>\n";
    text += "    <glob pattern=\"*.app\"/>\n";
    text += "  </mime-type>\n";
    text += "</mime-info>\n";
    return text;
}

bool mimeAppsHasDefault(std::string_view mimeAppsText) {
    bool inDefaults = false;
    for (std::string_view line : splitLines(mimeAppsText)) {
        if (isSectionHeader(line)) {
            inDefaults = trimmed(line) == kDefaultSection;
            continue;
        }
        if (inDefaults && keyOf(line) == kDocumentMimeType) {
            std::string_view value = trimmed(line.substr(line.find('=') + 1));
            return value.substr(0, value.find(';')) == kDesktopFileName;
        }
    }
    return false;
}

std::string mimeAppsWithDefault(std::string_view existing) {
    std::string out;
    bool inDefaults = false;
    bool written = false;
    for (std::string_view line : splitLines(existing)) {
        if (isSectionHeader(line)) {
            inDefaults = trimmed(line) == kDefaultSection;
            out.append(line).append("\n");
            if (inDefaults && !written) {
                out += defaultLine() + "\n";
                written = true;
            }
            continue;
        }
        // An older choice for the type gives way to ours; everything else stays.
        if (inDefaults && keyOf(line) == kDocumentMimeType) {
            continue;
        }
        out.append(line).append("\n");
    }
    if (!written) {
        if (!out.empty() && out != "\n" && out.substr(out.size() - 2) != "\n\n") {
            out += "\n";
        }
        out += std::string(kDefaultSection) + "\n" + defaultLine() + "\n";
    }
    return out;
}

AssociationFolders associationFoldersFromEnvironment() {
    const char* home = std::getenv("HOME");
    const fs::path homeDir = pathFromUtf8(home ? home : "");
    auto xdg = [&](const char* name, const fs::path& fallback) {
        const char* value = std::getenv(name);
        // A relative value is invalid under the XDG rules and ignored.
        return value && value[0] == '/' ? pathFromUtf8(value) : fallback;
    };
    return {xdg("XDG_DATA_HOME", homeDir / ".local" / "share"),
            xdg("XDG_CONFIG_HOME", homeDir / ".config")};
}

AssociationResult registerFileAssociation(const fs::path& programPath,
                                          const AssociationFolders& folders, bool refreshCaches) {
    if (isPackageInstall(programPath)) {
        return AssociationResult::PackageInstall;
    }
    const std::optional<std::string> desktop = desktopEntryText(programPath);
    if (!desktop || folders.dataHome.empty() || folders.configHome.empty()) {
        return AssociationResult::Failed;
    }
    const fs::path desktopPath = folders.dataHome / "applications" / std::string(kDesktopFileName);
    const fs::path mimePath = folders.dataHome / "mime" / "packages" / "vellex.xml";
    const fs::path mimeAppsPath = folders.configHome / "mimeapps.list";
    const std::string mime = mimePackageText();

    std::string mimeApps;
    readWholeFile(mimeAppsPath, mimeApps, nullptr);  // a missing list starts empty
    const bool desktopCurrent = fileHolds(desktopPath, *desktop);
    const bool mimeCurrent = fileHolds(mimePath, mime);
    const bool defaultCurrent = mimeAppsHasDefault(mimeApps);
    if (desktopCurrent && mimeCurrent && defaultCurrent) {
        return AssociationResult::AlreadyRegistered;
    }
    bool ok = true;
    if (!desktopCurrent) {
        ok = writeCreatingFolder(desktopPath, *desktop) && ok;
    }
    if (!mimeCurrent) {
        ok = writeCreatingFolder(mimePath, mime) && ok;
    }
    if (!defaultCurrent) {
        ok = writeCreatingFolder(mimeAppsPath, mimeAppsWithDefault(mimeApps)) && ok;
    }
    if (refreshCaches) {
        if (!mimeCurrent) {
            startDetachedIfPresent(QStringLiteral("update-mime-database"),
                                   folders.dataHome / "mime");
        }
        if (!desktopCurrent) {
            startDetachedIfPresent(QStringLiteral("update-desktop-database"),
                                   folders.dataHome / "applications");
        }
    }
    return ok ? AssociationResult::Registered : AssociationResult::Failed;
}

}  // namespace vellex
