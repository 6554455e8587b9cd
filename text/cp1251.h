#pragma once

#include <string>
#include <string_view>

// The Windows Cyrillic code page. The core keeps every text as CP1251 bytes, exactly as
// the files hold them; these conversions are used only at the edges (window, renderer,
// UTF-8 command-line output, tests).
namespace vellex::cp1251 {

// Total: every byte has a character (the one hole, 0x98, maps to U+0098).
std::u16string toUtf16(std::string_view cp1251);
std::string toUtf8(std::string_view cp1251);

// The characters of a Unicode text that CP1251 cannot hold, in order of first
// appearance, each once. Empty when the whole text converts.
struct Conversion {
    std::string bytes;          // the converted text; only meaningful when ok()
    std::u32string unmappable;  // characters that have no CP1251 byte
    bool invalidInput = false;  // the UTF-8 / UTF-16 input itself was malformed
    bool ok() const { return unmappable.empty() && !invalidInput; }
};

Conversion fromUtf16(std::u16string_view text);
Conversion fromUtf8(std::string_view text);

// The CP1251 byte of one Unicode character, or -1 when there is none.
int byteFor(char32_t c);

}  // namespace vellex::cp1251
