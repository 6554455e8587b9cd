#include "print/certificate_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/document.h"
#include "print/sheet.h"
#include "storage/settings.h"
#include "tests/print/printed_words.h"
#include "tests/print/title_sheet_expect.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::title::Box;
using test::title::box;
using test::title::expectJsonPage;
using test::title::expectPage;
using test::title::geometry;

// --- The blanks as the printed forms have them, all shifts 0 ---

// Editions 0 and 1: portrait (left, top, width; 18 high) and landscape (left, top,
// height; 18 wide).
struct OlderRow {
    const char* role;
    int pLeft, pTop, pWidth;
    int lLeft, lTop, lHeight;
    int pAdjust, lAdjust;
};
const OlderRow kOlder[] = {
    {"edTownCertificate0", 407, 114, 310, 96, 63, 310, 2, 6},
    {"edTownCertificate", 407, 133, 310, 115, 63, 310, 2, 6},
    {"edSchoolCertificate1", 380, 156, 370, 138, 30, 370, 2, 6},
    {"edSchoolCertificate2", 380, 179, 370, 161, 30, 370, 2, 6},
    {"edPresentDateCertificate", 422, 217, 260, 199, 98, 260, 2, 6},
    {"edStudentCertificate1", 402, 242, 310, 224, 68, 310, 2, 6},
    {"edStudentCertificate2", 402, 265, 310, 247, 68, 310, 2, 6},
    {"edQualifyCertificate1", 603, 288, 111, 270, 66, 111, 0, 4},
    {"edQualifyCertificate2", 402, 311, 310, 293, 68, 310, 2, 6},
    {"edQualifyCertificate3", 402, 334, 310, 316, 68, 310, 2, 6},
    {"edQualifyCertificate4", 402, 357, 310, 339, 68, 310, 2, 6},
    {"edQualifyCertificate5", 402, 380, 310, 362, 68, 310, 2, 6},
    {"edRegNoCertificate", 148, 466, 190, 448, 442, 190, 2, 6},
    {"edDateOutCertificate", 578, 491, 150, 473, 52, 150, 0, 4},
};

// The 2010 blank, same columns.
const OlderRow kEdition2[] = {
    {"edPresentDateCertificate1", 495, 150, 30, 150, 265, 30, 0, 4},
    {"edPresentDateCertificate2", 535, 150, 90, 150, 175, 80, 0, 4},
    {"edPresentDateCertificate", 635, 150, 70, 150, 75, 90, 2, 6},
    {"edStudentCertificate1", 10, 165, 370, 165, 400, 370, 2, 6},
    {"edStudentCertificate2", 10, 190, 370, 190, 400, 370, 2, 6},
    {"edStudentCertificate3", 10, 215, 370, 215, 400, 370, 2, 6},
    {"edTownCertificate0", 10, 251, 370, 251, 400, 370, 2, 6},
    {"edTownCertificate", 10, 276, 370, 276, 400, 370, 2, 6},
    {"edSchoolCertificate1", 10, 301, 370, 301, 400, 370, 2, 6},
    {"edSchoolCertificate2", 10, 326, 370, 326, 400, 370, 2, 6},
    {"edSchoolCertificate3", 10, 351, 370, 351, 400, 370, 2, 6},
    {"edSchoolCertificate4", 10, 376, 370, 376, 400, 370, 2, 6},
    {"edQualifyCertificate1", 400, 226, 370, 226, 10, 370, 2, 6},
    {"edQualifyCertificate2", 400, 251, 370, 251, 10, 370, 2, 6},
    {"edQualifyCertificate3", 400, 277, 370, 277, 10, 370, 2, 6},
    {"edQualifyCertificate4", 400, 303, 370, 302, 10, 370, 2, 6},
    {"edQualifyCertificate5", 400, 329, 370, 328, 10, 370, 2, 6},
    {"edRegNoCertificate", 165, 406, 190, 406, 425, 190, 0, 4},
    {"edDateOutCertificate1", 130, 432, 40, 432, 610, 40, 0, 4},
    {"edDateOutCertificate2", 180, 432, 95, 432, 505, 95, 0, 4},
    {"edDateOutCertificate", 285, 432, 70, 432, 405, 90, 0, 4},
    {"edPredGosAttComCert", 640, 376, 170, 376, -10, 220, 0, 6},
    {"edRukObrazUchCert", 640, 404, 170, 404, -10, 220, 0, 6},
};

const Box kDuplicate[2] = {
    {"duplicate", 520, 18, 220, 18, 0},
    {"duplicate", 0, 110, 18, 220, 6},
};

std::vector<Box> expectedBoxes(int variant, int edition) {
    std::vector<Box> out;
    auto add = [&](const OlderRow& r) {
        out.push_back(variant == 1 ? Box{r.role, r.lLeft, r.lTop, 18, r.lHeight, r.lAdjust}
                                   : Box{r.role, r.pLeft, r.pTop, r.pWidth, 18, r.pAdjust});
    };
    if (edition == 2)
        std::for_each(std::begin(kEdition2), std::end(kEdition2), add);
    else
        std::for_each(std::begin(kOlder), std::end(kOlder), add);
    return out;
}

Document namedDocument() {
    Document doc;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        if (fieldPage(f) == Page::Certificate)
            doc.setText(f, std::string(fieldName(f)));
    }
    return doc;
}

// The same with "Дубликат" ticked on the certificate page.
Document duplicateDocument() {
    Document doc = namedDocument();
    doc.setFlag(Flag::cbCopySignDbl, true);
    return doc;
}

TReport layout(const Document& doc, const Settings& s, int variant, int edition, bool bold = false,
               bool italic = false) {
    TReport report;
    const SheetBoxes placed = placeCertificate(report, doc, s, variant, edition);
    fillCertificate(placed, doc, s, edition, bold, italic);
    return report;
}

struct Blank {
    int variant, edition;
};
const Blank kBlanks[] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}};

std::string blankName(const testing::TestParamInfo<Blank>& info) {
    return std::string(info.param.variant == 1 ? "landscape" : "portrait") + "_edition" +
           std::to_string(info.param.edition);
}

// --- Every box of every blank ---

class CertificateBlank : public testing::TestWithParam<Blank> {};

TEST_P(CertificateBlank, PlacesEveryBoxOfTheBlank) {
    const auto [variant, edition] = GetParam();
    expectPage(layout(namedDocument(), Settings{}, variant, edition),
               expectedBoxes(variant, edition));
}

TEST_P(CertificateBlank, DuplicateMarkIsFirstShiftedWithTheSheetAndNeverRestyled) {
    const auto [variant, edition] = GetParam();
    Settings s;
    s.CertificateDeltaX = -6;
    s.CertificateDeltaY = 9;
    const TReport r = layout(duplicateDocument(), s, variant, edition, false, false);
    const auto& first = *pageByIndex(r, 0).objects.front();
    ASSERT_EQ(first.role, "duplicate");
    EXPECT_EQ(first.left, kDuplicate[variant].left - 6);
    EXPECT_EQ(first.top, kDuplicate[variant].top + 9);
    EXPECT_EQ(first.width, kDuplicate[variant].width);
    EXPECT_EQ(first.height, kDuplicate[variant].height);
    EXPECT_EQ(first.adjust, kDuplicate[variant].adjust);
    EXPECT_TRUE(first.fontStyle.bold);
    EXPECT_TRUE(first.fontStyle.italic);
    EXPECT_EQ(test::u8(first.text.at(0)), "Дубликат");

    std::vector<Box> want = expectedBoxes(variant, edition);
    for (Box& b : want) {
        b.left -= 6;
        b.top += 9;
    }
    Box d = kDuplicate[variant];
    d.left -= 6;
    d.top += 9;
    want.push_back(d);
    expectPage(r, want);
}

TEST_P(CertificateBlank, EveryBoxPrintsItsFieldOnOneLine) {
    const auto [variant, edition] = GetParam();
    const TReport r = layout(namedDocument(), Settings{}, variant, edition);
    for (const auto& b : pageByIndex(r, 0).objects) {
        SCOPED_TRACE(b->role);
        ASSERT_EQ(b->text.size(), 1u);
        EXPECT_EQ(b->text[0], b->role);
        EXPECT_EQ(b->fontSize, 10);
    }
}

TEST_P(CertificateBlank, StyleSwitchesSpareTheRegistrationNumberAndTheOlderDateOfIssue) {
    const auto [variant, edition] = GetParam();
    for (const auto& [bold, italic] : {std::pair{true, false}, std::pair{false, true}}) {
        const TReport r = layout(namedDocument(), Settings{}, variant, edition, bold, italic);
        for (const auto& b : pageByIndex(r, 0).objects) {
            SCOPED_TRACE(b->role);
            const bool plain = b->role == "edRegNoCertificate" ||
                               (b->role == "edDateOutCertificate" && edition != 2);
            EXPECT_EQ(b->fontStyle.bold, bold && !plain);
            EXPECT_EQ(b->fontStyle.italic, italic && !plain);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllBlanks, CertificateBlank, testing::ValuesIn(kBlanks), blankName);

// --- Placement order ---

TEST(CertificateOrder, OlderBoxesFirstThenThe2010Additions) {
    const TReport r = layout(duplicateDocument(), Settings{}, 0, 2);
    std::vector<std::string> roles;
    for (const auto& b : pageByIndex(r, 0).objects)
        roles.push_back(b->role);
    ASSERT_EQ(roles.size(), 24u);
    EXPECT_EQ(roles[0], "duplicate");
    EXPECT_EQ(roles[1], "edTownCertificate0");
    EXPECT_EQ(roles[14], "edDateOutCertificate");
    const std::vector<std::string> added(roles.begin() + 15, roles.end());
    EXPECT_EQ(added,
              (std::vector<std::string>{
                  "edStudentCertificate3", "edSchoolCertificate3", "edSchoolCertificate4",
                  "edPresentDateCertificate1", "edPresentDateCertificate2", "edDateOutCertificate1",
                  "edDateOutCertificate2", "edPredGosAttComCert", "edRukObrazUchCert"}));
}

// --- Cumulative block shifts ---

struct BlockShift {
    int Settings::*setting;
    std::vector<std::string> moved;
};

TEST(CertificateBlockShifts, EachMovesItsLineAndEverythingAfterIt) {
    const std::vector<std::string> fromDate = {"edPresentDateCertificate", "edStudentCertificate1",
                                               "edStudentCertificate2",    "edQualifyCertificate1",
                                               "edQualifyCertificate2",    "edQualifyCertificate3",
                                               "edQualifyCertificate4",    "edQualifyCertificate5",
                                               "edRegNoCertificate",       "edDateOutCertificate"};
    const BlockShift shifts[] = {
        {&Settings::midDeltaYCert1, fromDate},
        {&Settings::midDeltaYCert2,
         {"edQualifyCertificate1", "edQualifyCertificate2", "edQualifyCertificate3",
          "edQualifyCertificate4", "edQualifyCertificate5", "edRegNoCertificate",
          "edDateOutCertificate"}},
        {&Settings::midDeltaYCert3, {"edRegNoCertificate"}},
        {&Settings::midDeltaYCert4, {"edDateOutCertificate"}},
    };
    const Document doc = namedDocument();
    for (int variant : {0, 1}) {
        for (int edition : {0, 1}) {
            const auto base = geometry(layout(doc, Settings{}, variant, edition));
            for (std::size_t i = 0; i < std::size(shifts); ++i) {
                SCOPED_TRACE("m" + std::to_string(i + 1) + " variant " + std::to_string(variant) +
                             " edition " + std::to_string(edition));
                Settings s;
                s.*shifts[i].setting = 10;
                const auto moved = geometry(layout(doc, s, variant, edition));
                for (const auto& [role, b] : base) {
                    SCOPED_TRACE(role);
                    const auto& m = shifts[i].moved;
                    const int d = std::find(m.begin(), m.end(), role) != m.end() ? 10 : 0;
                    EXPECT_EQ(moved.at(role).top, b.top + (variant == 0 ? d : 0));
                    EXPECT_EQ(moved.at(role).left, b.left + (variant == 1 ? d : 0));
                }
            }
        }
    }
}

TEST(CertificateBlockShifts, ShiftsAddUp) {
    Settings s;
    s.midDeltaYCert1 = 1;
    s.midDeltaYCert2 = 20;
    s.midDeltaYCert3 = 300;
    s.midDeltaYCert4 = 4000;
    const TReport r = layout(namedDocument(), s, 0, 0);
    EXPECT_EQ(box(r, "edStudentCertificate2").top, 265 + 1);
    EXPECT_EQ(box(r, "edQualifyCertificate5").top, 380 + 21);
    EXPECT_EQ(box(r, "edRegNoCertificate").top, 466 + 321);
    EXPECT_EQ(box(r, "edDateOutCertificate").top, 491 + 4021);
}

TEST(CertificateBlockShifts, The2010BlankIgnoresThem) {
    Settings s;
    s.midDeltaYCert1 = 5;
    s.midDeltaYCert2 = 6;
    s.midDeltaYCert3 = 7;
    s.midDeltaYCert4 = 8;
    for (int variant : {0, 1})
        expectPage(layout(namedDocument(), s, variant, 2), expectedBoxes(variant, 2));
}

// --- Font sizes ---

TEST(CertificateFontSizes, EachSettingSizesItsBlockWithTheCorrection) {
    struct Case {
        int Settings::*setting;
        std::string prefix;
    };
    const Case cases[] = {{&Settings::FontSizeCertificateTown, "edTownCertificate"},
                          {&Settings::FontSizeCertificateSchool, "edSchoolCertificate"},
                          {&Settings::FontSizeCertificateQualify, "edQualifyCertificate"}};
    const Document doc = namedDocument();
    for (const Blank& blank : kBlanks) {
        const auto base = geometry(layout(doc, Settings{}, blank.variant, blank.edition));
        for (const auto& c : cases) {
            for (bool ycorr : {false, true}) {
                SCOPED_TRACE(c.prefix + " variant " + std::to_string(blank.variant) + " edition " +
                             std::to_string(blank.edition) + (ycorr ? " corrected" : ""));
                Settings s;
                s.*c.setting = 8;
                s.FontYcorr = ycorr;
                const TReport r = layout(doc, s, blank.variant, blank.edition);
                for (const auto& b : pageByIndex(r, 0).objects) {
                    SCOPED_TRACE(b->role);
                    const bool in = b->role.rfind(c.prefix, 0) == 0;
                    const int d = in && ycorr ? 2 : 0;
                    EXPECT_EQ(b->fontSize, in ? 8 : 10);
                    EXPECT_EQ(b->top, base.at(b->role).top + d);
                    EXPECT_EQ(b->height, base.at(b->role).height - d);
                }
            }
        }
    }
}

TEST(CertificateFontSizes, SchoolLinesOf2010KeepTheirPitchAtEightPoints) {
    Settings s;
    s.FontSizeCertificateSchool = 8;
    s.FontYcorr = true;
    const TReport r = layout(namedDocument(), s, 0, 2);
    const int tops[] = {301, 326, 351, 376};
    for (int i = 0; i < 4; ++i) {
        const TTextBox& b = box(r, "edSchoolCertificate" + std::to_string(i + 1));
        EXPECT_EQ(b.fontSize, 8);
        EXPECT_EQ(b.top, tops[i] + 2);
        EXPECT_EQ(b.height, 16);
    }
}

TEST(CertificateFontSizes, ZeroKeepsTenPoints) {
    Settings s;
    s.FontSizeCertificateTown = 0;
    s.FontYcorr = true;
    const TReport r = layout(namedDocument(), s, 0, 0);
    EXPECT_EQ(box(r, "edTownCertificate").fontSize, 10);
    EXPECT_EQ(box(r, "edTownCertificate").top, 133);
    EXPECT_EQ(box(r, "edTownCertificate").height, 18);
}

// --- Choices from the document, the options and the settings ---

TEST(CertificateChoices, Edition1PrintsExactlyAsEdition0) {
    Settings s;
    s.midDeltaYCert2 = 3;
    for (int variant : {0, 1}) {
        const auto e0 = geometry(layout(duplicateDocument(), s, variant, 0));
        const auto e1 = geometry(layout(duplicateDocument(), s, variant, 1));
        ASSERT_EQ(e0.size(), e1.size());
        for (const auto& [role, b] : e0) {
            EXPECT_EQ(e1.at(role).left, b.left) << role;
            EXPECT_EQ(e1.at(role).top, b.top) << role;
        }
    }
}

TEST(CertificateChoices, OptionsOverrideTheDocumentsBlankAndSwitches) {
    Document doc = namedDocument();
    doc.setChoice(Choice::rgProfEduTypeCert, 0);
    doc.setFlag(Flag::cbBold_Certificate, true);
    Settings s;
    s.VellexVersion = 0;
    TReport r;
    std::string error;

    ASSERT_TRUE(layoutSheet(SheetKind::Certificate, doc, s, SheetOptions{}, r, &error)) << error;
    expectPage(r, expectedBoxes(0, 0));
    EXPECT_TRUE(box(r, "edTownCertificate").fontStyle.bold);
    EXPECT_FALSE(box(r, "edTownCertificate").fontStyle.italic);

    SheetOptions options;
    options.certVariant = 1;
    options.certBold = false;
    options.certItalic = true;
    ASSERT_TRUE(layoutSheet(SheetKind::Certificate, doc, s, options, r, &error)) << error;
    expectPage(r, expectedBoxes(1, 0));
    EXPECT_FALSE(box(r, "edTownCertificate").fontStyle.bold);
    EXPECT_TRUE(box(r, "edTownCertificate").fontStyle.italic);
}

TEST(CertificateChoices, UnknownEditionOrNoBlankChosenPrintsTheFirst) {
    Document doc = namedDocument();
    doc.setChoice(Choice::rgProfEduTypeCert, -1);
    Settings s;
    s.VellexVersion = 42;
    TReport r;
    std::string error;
    ASSERT_TRUE(layoutSheet(SheetKind::Certificate, doc, s, SheetOptions{}, r, &error)) << error;
    expectPage(r, expectedBoxes(0, 0));
}

// --- On paper ---

TEST(CertificatePrintout, EveryEntryLandsWhereThePageModelSays) {
    const auto bin = test::printed::printBinary();
    if (!bin)
        GTEST_SKIP() << "vellex-print or pdftotext is missing";
    const Document doc = test::printed::wordDocument(Page::Certificate);
    for (const Blank& blank : kBlanks) {
        SCOPED_TRACE("variant " + std::to_string(blank.variant) + " edition " +
                     std::to_string(blank.edition));
        test::TempDir dir;
        const auto printout = test::printed::printSheet(
            *bin, dir, "certificate", doc,
            "VellexVersion=" + std::to_string(blank.edition) + "\r\nCopySign=1\r\n",
            "--cert-variant " + std::to_string(blank.variant));
        ASSERT_TRUE(printout);
        const std::size_t boxes = expectedBoxes(blank.variant, blank.edition).size() + 1;
        ASSERT_EQ(printout->page["boxes"].size(), boxes);
        expectJsonPage(printout->page, expectedBoxes(blank.variant, blank.edition));
        EXPECT_EQ(test::printed::expectWordsWhereThePageSays(*printout), int(boxes));
    }
}

}  // namespace
}  // namespace vellex
