#include "text/cp1251.h"

#include <array>

namespace vellex::cp1251 {
namespace {

// 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char16_t unicodeOf(unsigned char b) {
    if (b < 0x80)
        return b;
    if (b >= 0xC0)
        return static_cast<char16_t>(0x0410 + (b - 0xC0));
    return kHigh[b - 0x80];
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void add(Conversion& r, char32_t c) {
    const int b = byteFor(c);
    if (b >= 0) {
        r.bytes += static_cast<char>(b);
    } else if (r.unmappable.find(c) == std::u32string::npos) {
        r.unmappable += c;
    }
}

}  // namespace

int byteFor(char32_t c) {
    if (c < 0x80)
        return static_cast<int>(c);
    if (c >= 0x0410 && c <= 0x044F)
        return static_cast<int>(0xC0 + (c - 0x0410));
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::u16string toUtf16(std::string_view cp) {
    std::u16string out;
    out.reserve(cp.size());
    for (char ch : cp)
        out += unicodeOf(static_cast<unsigned char>(ch));
    return out;
}

std::string toUtf8(std::string_view cp) {
    std::string out;
    out.reserve(cp.size() * 2);
    for (char ch : cp)
        appendUtf8(out, unicodeOf(static_cast<unsigned char>(ch)));
    return out;
}

Conversion fromUtf16(std::u16string_view text) {
    Conversion r;
    r.bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            r.invalidInput = true;
            continue;
        }
        add(r, c);
    }
    return r;
}

Conversion fromUtf8(std::string_view text) {
    Conversion r;
    r.bytes.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        int len = 0;
        char32_t c = 0;
        if (b0 < 0x80) {
            len = 1;
            c = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            len = 2;
            c = b0 & 0x1F;
        } else if ((b0 & 0xF0) == 0xE0) {
            len = 3;
            c = b0 & 0x0F;
        } else if ((b0 & 0xF8) == 0xF0) {
            len = 4;
            c = b0 & 0x07;
        } else {
            r.invalidInput = true;
            ++i;
            continue;
        }
        if (i + len > text.size()) {
            r.invalidInput = true;
            break;
        }
        bool good = true;
        for (int k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80) {
                good = false;
                break;
            }
            c = (c << 6) | (b & 0x3F);
        }
        // An overlong form ("C0 AF" for '/'), a surrogate or a code past U+10FFFF is
        // no character: taking it would let a path hide a separator.
        constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (good && (c < kLeast[len] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF))
            good = false;
        if (!good) {
            r.invalidInput = true;
            ++i;
            continue;
        }
        i += len;
        add(r, c);
    }
    return r;
}

}  // namespace vellex::cp1251
