#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Small string and file-name helpers on CP1251 bytes (one byte, one character). Positions
// count from 1, so that 0 can mean "absent".
namespace vellex {

// The folder separator of the platform's paths; Windows builds use the backslash.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// A–Z and the Cyrillic capitals (192–223) lowered, Ё (168) to ё (184); others unchanged.
std::string lowerCase(std::string_view s);

// lowerCase, then ё (184) to е (229), so that "Ёлка" and "елка" compare equal.
std::string lowerForCompare(std::string_view s);

// 1-based position of `sought` in `searched`, both lowered for comparing; 0 when absent
// or when `sought` is empty.
int findIgnoringCase(std::string_view sought, std::string_view searched);

// The characters before the first `c`; all of `s` when there is none.
std::string beforeFirst(std::string_view s, char c);
// The characters after the first `c`; empty when there is none.
std::string afterFirst(std::string_view s, char c);
// The characters before the last `c`; empty when there is none.
std::string beforeLast(std::string_view s, char c);
// The characters after the last `c`; all of `s` when there is none.
std::string afterLast(std::string_view s, char c);

// `s` without its leading and trailing runs of `c`.
std::string trimChar(std::string_view s, char c);

// Every tab, line feed and carriage return replaced by one space.
std::string controlsToSpaces(std::string_view s);

// Every run of spaces replaced by one space.
std::string collapseSpaces(std::string_view s);

enum class SeparatorMatch { Exact, IgnoringCase };

// Appends to `pieces` the parts of `s` between occurrences of `separator`. A part before a
// separator is skipped when it is empty or a single space; the part after the last one is
// always added. Returns the size of `pieces`, or 0 when the separator does not occur (or
// is empty) — `s` is then added whole as the only piece.
int splitAtSeparator(std::string_view s, std::string_view separator,
                     std::vector<std::string>& pieces,
                     SeparatorMatch match = SeparatorMatch::Exact);

// a / b rounded up (towards plus infinity); 0 when b is 0.
int ceilDiv(int a, int b);

// Folder, one separator unless the folder already ends with one, file name; an empty
// folder gives the bare file name.
std::string joinPath(std::string_view folder, std::string_view fileName);

// For a name longer than 4 characters, the text after the last point of its last path
// component (empty when that has none); empty for shorter names.
std::string fileExtension(std::string_view fileName);

// The name up to its last point (in the last path component), a point and `extension`;
// the name, a point and `extension` when it has no point; empty for names of 4
// characters or fewer.
std::string replaceExtension(std::string_view fileName, std::string_view extension);

// Creates the folder and every missing folder above it. An existing folder is success.
// On failure returns false and, when `error` is given, puts there a Russian message (UTF-8)
// naming the folder and the cause.
bool createFolderPath(const std::filesystem::path& folder, std::string* error);

}  // namespace vellex
