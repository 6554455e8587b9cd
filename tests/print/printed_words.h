#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "model/document.h"
#include "report/page_units.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "tests/support/test_support.h"

// Prints a sheet with the vellex-print binary, as PDF and as its page model (JSON), and
// checks that every one-word entry of the page lands in the PDF where the page model puts
// it.
namespace vellex::test::printed {

struct Word {
    std::string text;               // UTF-8
    double xMin, yMin, xMax, yMax;  // millimetres from the paper's top-left corner
};

using test::runCommand;

// $VELLEX_BIN_DIR/vellex-print, when it has been built and pdftotext is there to read
// its output. A build with the command line that lacks either fails the calling test:
// a check of the paper that quietly does not run would pass for one that does.
inline std::optional<std::filesystem::path> printBinary() {
    const char* dir = std::getenv("VELLEX_BIN_DIR");
    const auto bin = std::filesystem::path(dir ? dir : ".") / "vellex-print";
    const bool there =
        std::filesystem::exists(bin) && runCommand("pdftotext -v >/dev/null 2>&1") == 0;
#if VELLEX_WITH_CLI
    if (!there)
        ADD_FAILURE() << "vellex-print or pdftotext (poppler-utils) is missing";
#endif
    if (!there)
        return std::nullopt;
    return bin;
}

inline std::vector<Word> wordsOf(const std::filesystem::path& pdf) {
    std::string xml;
    runCommand("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null", &xml);
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> out;
    const double mm = 25.4 / 72;
    for (std::sregex_iterator it(xml.begin(), xml.end(), word), end; it != end; ++it)
        out.push_back({(*it)[5], std::stod((*it)[1]) * mm, std::stod((*it)[2]) * mm,
                       std::stod((*it)[3]) * mm, std::stod((*it)[4]) * mm});
    return out;
}

// Every text field of `page` holds a short word of its own ("F00", "F01", …), short
// enough for the narrowest box of any sheet.
inline Document wordDocument(Page page) {
    Document doc;
    int n = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        if (fieldPage(f) == page && fieldKind(f) == FieldKind::Text) {
            doc.setText(f, (n < 10 ? "F0" : "F") + std::to_string(n));
            ++n;
        }
    }
    return doc;
}

// A document file and a settings file in `dir`, then the sheet as JSON and as PDF.
struct Printout {
    nlohmann::json page;
    std::vector<Word> words;
};

inline std::optional<Printout> printSheet(const std::filesystem::path& bin, const TempDir& dir,
                                          const std::string& sheet, const Document& doc,
                                          const std::string& iniLines,
                                          const std::string& extraArgs = {}) {
    const auto ini = dir / "App.ini";
    writeFile(ini, "[Settings]\r\n" + iniLines);
    Settings s;
    EXPECT_TRUE(readSettings(ini, true, s));
    const auto app = dir / "doc.app";
    std::string error;
    if (!writeDocument(app, doc, documentFileFormat(s), &error)) {
        ADD_FAILURE() << error;
        return std::nullopt;
    }
    const std::string common = "'" + bin.string() + "' --sheet " + sheet + " --doc '" +
                               app.string() + "' --ini '" + ini.string() + "' " + extraArgs;
    const auto json = dir / "page.json";
    const auto pdf = dir / "page.pdf";
    if (runCommand(common + " --format json --out '" + json.string() + "' 2>&1") != 0 ||
        runCommand(common + " --format pdf --out '" + pdf.string() + "' 2>&1") != 0) {
        ADD_FAILURE() << "vellex-print failed: " << common;
        return std::nullopt;
    }
    return Printout{nlohmann::json::parse(readFile(json)), wordsOf(pdf)};
}

// Checks every box that holds one word against the PDF, within `tolMm`, by the box's
// alignment code: the text starts 2 units in from the left edge and 1 unit below the top
// (turned text: 1 unit in from the left edge, reading upwards). Returns how many boxes
// were checked.
inline int expectWordsWhereThePageSays(const Printout& p, double tolMm = 0.2) {
    int checked = 0;
    for (const auto& b : p.page["boxes"]) {
        if (b["text"].size() != 1)
            continue;
        const std::string text = b["text"][0];
        if (text.empty() || text.find(' ') != std::string::npos)
            continue;
        SCOPED_TRACE(b.value("role", std::string()) + " \"" + text + "\"");
        const Word* w = nullptr;
        for (const Word& word : p.words)
            if (word.text == text)
                w = &word;
        if (!w) {
            ADD_FAILURE() << "word not in the PDF";
            continue;
        }
        const double left = b["left"], top = b["top"], width = b["width"], height = b["height"];
        const int code = b["adjust"];
        if (code & 4) {
            EXPECT_NEAR(w->xMin, units::toMmX(left + 1), tolMm);
            if ((code & 3) == 2)
                EXPECT_NEAR((w->yMin + w->yMax) / 2, units::toMmY(top + height / 2), tolMm);
            else if ((code & 3) == 1)
                EXPECT_NEAR(w->yMin, units::toMmY(top + 2), tolMm);
            else
                EXPECT_NEAR(w->yMax, units::toMmY(top + height - 2), tolMm);
        } else {
            EXPECT_NEAR(w->yMin, units::toMmY(top + 1), tolMm);
            if ((code & 3) == 2)
                EXPECT_NEAR((w->xMin + w->xMax) / 2, units::toMmX(left + width / 2), tolMm);
            else if ((code & 3) == 1)
                EXPECT_NEAR(w->xMax, units::toMmX(left + width - 2), tolMm);
            else
                EXPECT_NEAR(w->xMin, units::toMmX(left + 2), tolMm);
        }
        ++checked;
    }
    return checked;
}

}  // namespace vellex::test::printed
