#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "app/document.h"
#include "report/page_units.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "tests/support/test_support.h"

// Renders a first page with the built vellex-print, as PDF and as the page model in JSON,
// and checks that every word of the PDF lands where its box in the JSON puts it.
namespace vellex::test {

// The built vellex-print, when there is one.
inline std::optional<std::filesystem::path> vellexPrintBinary() {
    const char* dir = std::getenv("VELLEX_BIN_DIR");
    if (!dir)
        return std::nullopt;
    const std::filesystem::path bin = std::filesystem::path(dir) / "vellex-print";
    if (!std::filesystem::exists(bin))
        return std::nullopt;
    return bin;
}

inline std::string runCommand(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, pipe))
        out.append(buf, n);
    pclose(pipe);
    return out;
}

struct PdfWord {
    double xMin, yMin, xMax, yMax;  // millimetres
    int count = 0;
};

// Words of the PDF's only page, by text, as pdftotext -bbox reads them.
inline std::map<std::string, PdfWord> pdfWords(const std::filesystem::path& pdf) {
    const std::string xml = runCommand("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    const double mm = 25.4 / 72;
    std::map<std::string, PdfWord> out;
    for (std::sregex_iterator it(xml.begin(), xml.end(), word), end; it != end; ++it) {
        PdfWord& w = out[(*it)[5]];
        w = {std::stod((*it)[1]) * mm, std::stod((*it)[2]) * mm, std::stod((*it)[3]) * mm,
             std::stod((*it)[4]) * mm, w.count + 1};
    }
    return out;
}

// Fills every saved field of `page` and every cell of `table` (when given) with a short
// word of its own, so that each box prints one word that fits its width.
inline void fillWithShortWords(Document& doc, Page page, std::optional<Table> table) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        if (fieldPage(f) == page && fieldKind(f) == FieldKind::Text)
            doc.setText(f, "w" + std::to_string(i));
    }
    if (table)
        for (int r = 1; r <= doc.rowCount(*table); ++r)
            for (Column c : {Column::Discipline, Column::AudTime, Column::Value})
                doc.setCell(*table, r, c, "t" + std::to_string(r) + std::to_string(int(c)));
}

// Lays `sheet` out through vellex-print with `doc` and `s` saved to files, and compares the
// PDF with the JSON: a left-aligned word starts 2 units right of its box's left edge, a
// centred word is centred on the box, and every word's top is 1 unit below the box's top
// (within 0.2 mm). Returns how many boxes were checked.
inline int expectWordsWhereBoxesSay(const std::filesystem::path& bin, std::string_view sheet,
                                    const Document& doc, const Settings& s) {
    TempDir dir;
    std::string error;
    EXPECT_TRUE(writeSettings(dir / "App.ini", true, s, &error)) << error;
    EXPECT_TRUE(writeDocument(dir / "doc.app", doc, documentFileFormat(s), &error)) << error;
    const std::string base = "'" + bin.string() + "' --sheet " + std::string(sheet) + " --doc '" +
                             (dir / "doc.app").string() + "' --ini '" + (dir / "App.ini").string() +
                             "'";
    runCommand("QT_QPA_PLATFORM=offscreen " + base + " --format pdf --out '" +
               (dir / "page.pdf").string() + "' 2>&1");
    runCommand(base + " --format json --out '" + (dir / "page.json").string() + "' 2>&1");
    const nlohmann::json page = nlohmann::json::parse(readFile(dir / "page.json"));
    const std::map<std::string, PdfWord> words = pdfWords(dir / "page.pdf");

    int checked = 0;
    for (const auto& box : page.at("boxes")) {
        if (box.at("text").size() != 1)
            continue;
        const std::string text = box.at("text")[0];
        if (text.empty() || text.find(' ') != std::string::npos)
            continue;
        SCOPED_TRACE(box.value("role", std::string()) + " " + text);
        const auto it = words.find(text);
        if (it == words.end()) {
            ADD_FAILURE() << "word not in the PDF";
            continue;
        }
        const PdfWord& w = it->second;
        EXPECT_EQ(w.count, 1);
        const int left = box.at("left"), top = box.at("top"), width = box.at("width");
        const int adjust = box.at("adjust");
        if ((adjust & 3) == 2)
            EXPECT_NEAR((w.xMin + w.xMax) / 2, units::toMmX(left + width / 2.0), 0.2);
        else
            EXPECT_NEAR(w.xMin, units::toMmX(left + units::kInsetX), 0.2);
        EXPECT_NEAR(w.yMin, units::toMmY(top + units::kInsetTop), 0.2);
        ++checked;
    }
    return checked;
}

}  // namespace vellex::test
