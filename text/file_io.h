#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

// Whole-file reading and crash-safe writing. The only place in the core that talks to
// the operating system's file calls directly.
namespace vellex {

// The largest file of each kind that is read; anything bigger is no such file (and would
// take minutes to lay out). The README lists them.
inline constexpr std::size_t kMaxDocumentBytes = std::size_t{4} << 20;
inline constexpr std::size_t kMaxListBytes = std::size_t{32} << 20;      // students, results
inline constexpr std::size_t kMaxSmallFileBytes = std::size_t{1} << 20;  // App.ini, eval.dat…
inline constexpr std::size_t kMaxAnyFileBytes = std::size_t{256} << 20;

// Reads the whole file into `out`. On failure returns false, leaves `out` empty and,
// when `error` is given, puts there a Russian message (UTF-8) that names the file and
// the cause, for example "Не удалось открыть файл «/x/a.app»: нет доступа.".
// Only a regular file is read: a pipe, a device or a socket is refused by name at once
// (the file is opened without waiting), and so is a file larger than `maxBytes`.
bool readWholeFile(const std::filesystem::path& path, std::string& out, std::string* error,
                   std::size_t maxBytes = kMaxAnyFileBytes);

// Text that is UTF-8 rather than Windows-1251: a UTF-8 byte order mark, or valid UTF-8 with
// characters past ASCII (Windows-1251 text with two letters in a row is never valid UTF-8).
// `russianOnly`: only valid UTF-8 that holds Russian letters counts.
bool looksLikeUtf8(std::string_view text, bool russianOnly = false);
// "Файл «…» в кодировке UTF-8; сохраните его в кодировке Windows-1251."
std::string utf8FileMessage(const std::filesystem::path& path);

// The other Russian encoding `text` is in when its Windows-1251 reading makes no sense:
// "DOS (CP866)" when most bytes past ASCII are no Windows-1251 letters, "KOI8-R" when
// words read as a small letter followed by capitals. Empty when the text reads as
// Windows-1251 (or is too short to tell).
std::string_view otherRussianEncoding(std::string_view text);
// "Файл «…», похоже, в кодировке KOI8-R; сохраните его в кодировке Windows-1251."
std::string otherEncodingMessage(const std::filesystem::path& path, std::string_view encoding);

// readWholeFile for the program's text files, which are Windows-1251: text that is UTF-8
// (valid UTF-8 with letters past ASCII, or a UTF-8 byte order mark), in DOS or KOI8-R
// (otherRussianEncoding), and text with NUL bytes are refused with the cause instead of
// being read as garbage.
bool readTextFile(const std::filesystem::path& path, std::string& out, std::string* error,
                  std::size_t maxBytes);

// Writes `data` to a temporary file in the same folder, flushes it to disk and renames
// it over `path`. On any failure the old file stays exactly as it was, the temporary
// file is removed and `error` receives a Russian message naming the file and the cause.
// A read-only target is refused even where the folder would allow replacing it.
// Leftover temporary files of earlier interrupted writes of the same file are removed;
// another process's save in progress keeps its own.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view data,
                         std::string* error);

// One file of a set written together.
struct FileContent {
    std::filesystem::path path;
    std::string_view data;
};

// Writes files that belong together (a document and its settings file) so that they
// change together: every new content is first written beside its file; only then are
// they put in place, and should one fail, those already replaced get their old contents
// back. On failure every file is as it was and `error` names the one that failed.
bool writeFilesAtomically(std::span<const FileContent> files, std::string* error);

// Whether two names lead to one file (through links, "..", another spelling of the path).
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The Russian wording of an errno value, for messages ("нет доступа", "нет места на
// диске", …).
std::string describeErrno(int err);

// Path <-> UTF-8 text, for messages and for the window (Linux paths are UTF-8 bytes).
std::string pathToUtf8(const std::filesystem::path& path);
std::filesystem::path pathFromUtf8(std::string_view utf8);

}  // namespace vellex
