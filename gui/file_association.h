#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Registers the program with the desktop as the handler of ".app" documents, so that
// opening such a file starts the program with the file's path as its first argument.
// The texts are built by pure functions; `registerFileAssociation` writes them.
namespace vellex {

inline constexpr std::string_view kDocumentMimeType = "application/x-vellex-document";
inline constexpr std::string_view kDesktopFileName = "vellex.desktop";

// The desktop entry (UTF-8) that starts `programPath` with the chosen file; no value
// when the path cannot be written into an Exec line (a line break in it).
std::optional<std::string> desktopEntryText(const std::filesystem::path& programPath);

// The shared-mime-info package that gives "*.app" files the document type.
std::string mimePackageText();

// `existing` (the text of a "mimeapps.list", possibly empty) with the program set as the
// default handler of the document type; every other line is kept.
std::string mimeAppsWithDefault(std::string_view existing);

// True when `mimeAppsText` already names the program as the document type's default.
bool mimeAppsHasDefault(std::string_view mimeAppsText);

struct AssociationFolders {
    std::filesystem::path dataHome;    // $XDG_DATA_HOME, default ~/.local/share
    std::filesystem::path configHome;  // $XDG_CONFIG_HOME, default ~/.config
};

// The folders from the environment.
AssociationFolders associationFoldersFromEnvironment();

enum class AssociationResult {
    Registered,
    AlreadyRegistered,
    Failed,
    PackageInstall,  // under "/usr/": the package's system-wide entry serves, nothing written
};

// A program under "/usr/" writes nothing: a per-user entry would hide the package's.
// Otherwise writes the desktop entry, the MIME package and the default-handler line unless they
// are already there for this very program path, then asks the desktop to refresh its
// caches without waiting. Never asks or reports anything: a failure is only returned.
AssociationResult registerFileAssociation(const std::filesystem::path& programPath,
                                          const AssociationFolders& folders,
                                          bool refreshCaches = true);

}  // namespace vellex
