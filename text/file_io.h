#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reading and crash-safe writing. The only place in the core that talks to
// the operating system's file calls directly.
namespace vellex {

// Reads the whole file into `out`. On failure returns false, leaves `out` empty and,
// when `error` is given, puts there a Russian message (UTF-8) that names the file and
// the cause, for example "Не удалось открыть файл «/x/a.app»: нет доступа.".
bool readWholeFile(const std::filesystem::path& path, std::string& out, std::string* error);

// Writes `data` to a temporary file in the same folder, flushes it to disk and renames
// it over `path`. On any failure the old file stays exactly as it was, the temporary
// file is removed and `error` receives a Russian message naming the file and the cause.
// A read-only target is refused even where the folder would allow replacing it.
// Leftover temporary files of earlier interrupted writes of the same file are removed.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view data,
                         std::string* error);

// The Russian wording of an errno value, for messages ("нет доступа", "нет места на
// диске", …).
std::string describeErrno(int err);

// Path <-> UTF-8 text, for messages and for the window (Linux paths are UTF-8 bytes).
std::string pathToUtf8(const std::filesystem::path& path);
std::filesystem::path pathFromUtf8(std::string_view utf8);

}  // namespace vellex
