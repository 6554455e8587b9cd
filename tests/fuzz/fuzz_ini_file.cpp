// The INI text: parsing, writing back and changing one value. The first bytes name the
// section and key that are set and the one that is watched; the rest is the file.
#include <optional>
#include <string>

#include "storage/ini_file.h"
#include "tests/fuzz/fuzz_input.h"

using namespace vellex;
using vellex::fuzz::require;

namespace {

// A name as the program's keys are spelt (letters, digits, '_'), 1 to 4 characters, so
// that a name can never be read as a comment or a section.
std::string nameFrom(fuzz::FuzzInput& in) {
    static constexpr std::string_view kChars =
        "AaBbKkSs019_";  // few letters, so that names meet the file's names and each other
    std::string name;
    const int length = 1 + in.byte() % 4;
    for (int i = 0; i < length; ++i)
        name += kChars[in.byte() % kChars.size()];
    return name;
}

// Line breaks cannot live in a one-line value; blanks at the ends are kept (the writer
// quotes such values).
std::string expectedValue(std::string_view value) {
    std::string clean(value);
    for (char& c : clean) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return clean;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::string section = nameFrom(in);
    const std::string key = nameFrom(in);
    const std::string otherSection = nameFrom(in);
    const std::string otherKey = nameFrom(in);
    const std::string value(in.take(in.byte() % 24));
    const std::string_view text = in.rest();

    IniFile ini = IniFile::parse(text);
    require(IniFile::parse(ini.serialize()).lines() == ini.lines(),
            "a file written back reads as the same lines");

    const std::optional<std::string> otherBefore = ini.value(otherSection, otherKey);
    ini.setValue(section, key, value);
    require(ini.value(section, key) == expectedValue(value), "a value set is the value read");
    if (!sameName(section, otherSection) || !sameName(key, otherKey))
        require(ini.value(otherSection, otherKey) == otherBefore,
                "setting one key leaves the others");
    require(IniFile::parse(ini.serialize()).lines() == ini.lines(),
            "a changed file written back reads as the same lines");
    return 0;
}
