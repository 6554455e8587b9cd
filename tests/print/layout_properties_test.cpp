// Properties every laid-out sheet keeps on every blank: boxes stay on the page, do not
// cover each other unless the blank means them to, and boxes chained on another one follow
// it when a setting moves it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/document.h"
#include "print/sheet.h"
#include "storage/settings.h"

namespace vellex {
namespace {

// One blank of a sheet: the document choices and the caller's options that pick it.
struct Blank {
    std::string name;
    std::function<void(Document&)> setup;
    std::optional<int> certVariant;
};

std::vector<Blank> blanks() {
    std::vector<Blank> out = {{"plain", [](Document&) {}, std::nullopt}};
    for (int type = 1; type <= 3; ++type)
        out.push_back({"rgProfEduType " + std::to_string(type),
                       [type](Document& d) { d.setChoice(Choice::rgProfEduType, type); },
                       std::nullopt});
    // rgSchool / rgQualify set their NPO twins to the same item.
    for (int school = 0; school <= 1; ++school)
        for (int qualify = 0; qualify <= 1; ++qualify)
            out.push_back(
                {"school " + std::to_string(school) + " qualify " + std::to_string(qualify),
                 [school, qualify](Document& d) {
                     d.setChoice(Choice::rgSchool, school);
                     d.setChoice(Choice::rgQualify, qualify);
                 },
                 std::nullopt});
    for (int academ = 0; academ <= 1; ++academ)
        out.push_back({"rgProfEduTypeAcadem " + std::to_string(academ),
                       [academ](Document& d) { d.setChoice(Choice::rgProfEduTypeAcadem, academ); },
                       std::nullopt});
    out.push_back({"cbAddLineUp_Diplom",
                   [](Document& d) { d.setFlag(Flag::cbAddLineUp_Diplom, true); }, std::nullopt});
    for (int cert = 0; cert <= 1; ++cert)
        out.push_back({"certVariant " + std::to_string(cert), [](Document&) {}, cert});
    return out;
}

struct Layout {
    std::string what;
    TReport report;
};

// Lays the sheet out for one blank and edition, with or without the duplicate mark.
bool layOut(SheetKind kind, const Blank& blank, int edition, bool duplicate, const Settings& base,
            TReport& report, std::string* what) {
    Document doc;
    blank.setup(doc);
    doc.setFlag(Flag::cbCopySign, duplicate);
    Settings s = base;
    s.VellexVersion = edition;
    SheetOptions options;
    options.certVariant = blank.certVariant;
    std::string error;
    *what = std::string(sheetInfo(kind).cliName) + ", " + blank.name + ", edition " +
            std::to_string(edition) + (duplicate ? ", duplicate" : "");
    return layoutSheet(kind, doc, s, options, report, &error);
}

// Calls `check` for every sheet × blank × edition × duplicate mark.
void forEveryLayout(
    const Settings& s,
    const std::function<void(SheetKind, const std::string&, const TReport&)>& check) {
    for (const SheetInfo& sheet : sheetTable())
        for (const Blank& blank : blanks())
            for (int edition = 0; edition <= 2; ++edition)
                for (bool duplicate : {false, true}) {
                    TReport report;
                    std::string what;
                    ASSERT_TRUE(layOut(sheet.kind, blank, edition, duplicate, s, report, &what))
                        << what;
                    ASSERT_EQ(report.pages.size(), 1u) << what;
                    check(sheet.kind, what, report);
                }
}

bool startsWith(const std::string& s, std::string_view prefix) {
    return s.rfind(prefix, 0) == 0;
}

// On the 2010 landscape title blanks the signature lines of the commission chairman and of
// the head of the educational body start 10 above the page's top edge (kept as found).
bool knownAbovePage(const TTextBox& box) {
    return box.top == -10 &&
           (startsWith(box.role, "edPredGosAttCom") || startsWith(box.role, "edRukObrazUch"));
}

TEST(LayoutProperties, EveryBoxStartsOnThePage) {
    forEveryLayout(Settings(), [](SheetKind, const std::string& what, const TReport& report) {
        const TReportPage& page = *report.pages[0];
        for (const auto& box : page.objects) {
            SCOPED_TRACE(what + ": " + box->role);
            EXPECT_GT(box->width, 0);
            EXPECT_GT(box->height, 0);
            // Lines are drawn to the blank's full rule and may run past the right edge; the
            // text starts at the left edge, which has to be on the paper.
            EXPECT_GE(box->left, 0);
            EXPECT_LT(box->left, page.width);
            if (!knownAbovePage(*box)) {
                EXPECT_GE(box->top, 0);
            }
            EXPECT_LE(box->top + box->height, page.height);
        }
    });
}

bool overlap(const TTextBox& a, const TTextBox& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool bothIn(const TTextBox& a, const TTextBox& b, std::initializer_list<std::string_view> roles) {
    auto in = [&](const std::string& r) {
        return std::find(roles.begin(), roles.end(), r) != roles.end();
    };
    return in(a.role) && in(b.role);
}

// Pairs of boxes that cover each other by design, each with why.
struct Overlap {
    const char* why;
    std::function<bool(const TTextBox&, const TTextBox&)> allowed;
};

const std::vector<Overlap>& designedOverlaps() {
    static const std::vector<Overlap> list = {
        {"left-column lines run 550 wide under the right column of the two-column blanks",
         [](const TTextBox& a, const TTextBox& b) { return (a.left < 520) != (b.left < 520); }},
        {"discipline table cells: names run under the hours, rows are pitched closer than "
         "their height",
         [](const TTextBox& a, const TTextBox& b) {
             return a.role.find(" row ") != std::string::npos &&
                    b.role.find(" row ") != std::string::npos;
         }},
        {"qualification lines sit 14-16 apart, closer than their height",
         [](const TTextBox& a, const TTextBox& b) {
             return startsWith(a.role, "edQualify") && startsWith(b.role, "edQualify");
         }},
        {"with six school lines the town and the sixth line sit 16 from their neighbours",
         [](const TTextBox& a, const TTextBox& b) {
             return bothIn(a, b,
                           {"edTown", "edSchool1", "edSchool5", "edSchool6", "edTownNPO",
                            "edSchoolNPO1", "edSchoolNPO5", "edSchoolNPO6"});
         }},
        {"the two examination lines are 16 apart on the 1997 blank",
         [](const TTextBox& a, const TTextBox& b) {
             return bothIn(a, b, {"edExamen1", "edExamen2"});
         }},
        {"edNameDiplPrj2 and edResult2 stay empty on the 2007 blank, at their 1997 place",
         [](const TTextBox& a, const TTextBox& b) {
             return a.role == "edNameDiplPrj2" || a.role == "edResult2" ||
                    b.role == "edNameDiplPrj2" || b.role == "edResult2";
         }},
        {"the second study-date line of the 2010 certificate sits 8 above the line pitch",
         [](const TTextBox& a, const TTextBox& b) {
             return startsWith(a.role, "edEduDateFrom42") && startsWith(b.role, "edEntry4");
         }},
        {"the 2010 page 2 puts its signature block over the last table rows (kept as found)",
         [](const TTextBox& a, const TTextBox& b) {
             return a.role.find(" row ") != std::string::npos &&
                    (startsWith(b.role, "edRukObrazUch2") || b.role == "edSecretar" ||
                     b.role == "edDayOut" || b.role == "edMonthOut" || b.role == "edYearOut");
         }},
        {"adjacent diploma blocks touch when their block shifts are 0",
         [](const TTextBox& a, const TTextBox& b) {
             return bothIn(a, b, {"edQualifyDiplom3", "edSpecDiplom1"}) ||
                    bothIn(a, b, {"edStudentDiplom2", "edQualifyDiplom1"});
         }},
    };
    return list;
}

TEST(LayoutProperties, BoxesDoNotCoverEachOtherUnlessDesigned) {
    forEveryLayout(Settings(), [](SheetKind, const std::string& what, const TReport& report) {
        const auto& boxes = report.pages[0]->objects;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                const TTextBox& a = *boxes[i];
                const TTextBox& b = *boxes[j];
                if (!overlap(a, b))
                    continue;
                const bool designed = std::any_of(
                    designedOverlaps().begin(), designedOverlaps().end(),
                    [&](const Overlap& o) { return o.allowed(a, b) || o.allowed(b, a); });
                EXPECT_TRUE(designed) << what << ": " << a.role << " / " << b.role;
            }
    });
}

// A setting that moves an anchor box, and boxes placed from it that have to follow.
struct Chain {
    SheetKind sheet;
    int edition;
    std::function<void(Document&)> setup;
    int Settings::*setting;
    std::string anchor;
    std::vector<std::string> followers;  // empty: every box of the page follows
};

std::vector<Chain> chains() {
    const auto plain = [](Document&) {};
    const auto threeQualify = [](Document& d) { d.setChoice(Choice::rgQualify, 1); };
    const auto sixSchool = [](Document& d) { d.setChoice(Choice::rgSchool, 1); };
    using S = Settings;
    return {
        {SheetKind::SupplementSpo,
         0,
         plain,
         &S::midDeltaYLeft1App1,
         "edEntry1",
         {"edEntry3", "edEndLern3", "edSpecialicy"}},
        // On the 2007 blank the lower half of the left column hangs from the entry block
        // through lines the page lists out of order.
        {SheetKind::SupplementSpo,
         1,
         plain,
         &S::midDeltaYLeft1App1,
         "edEntry1",
         {"edSpecialicy", "edSpecialicy2", "edCourseWork3", "edPraktic2", "edNameDiplPrj0",
          "edResult1", "edExamen2", "edExamMore1", "edExamMore6"}},
        {SheetKind::SupplementSpo,
         1,
         plain,
         &S::midDeltaYLeft3App1,
         "edPraktic1",
         {"edPraktic3", "edNameDiplPrj1", "edExamMore6"}},
        {SheetKind::SupplementSpo,
         1,
         threeQualify,
         &S::midDeltaYRight1App1,
         "edQualify2",
         {"edQualify", "edQualify3", "edSpecRight1", "edSpecRight5"}},
        {SheetKind::SupplementSpo,
         1,
         plain,
         &S::midDeltaYRight1App1,
         "edQualify",
         {"edSpecRight1", "edSpecRight5"}},
        {SheetKind::SupplementSpo,
         0,
         threeQualify,
         &S::midDeltaYRight2App1,
         "edQualify2",
         {"edQualify", "edQualify3"}},
        {SheetKind::SupplementSpo,
         2,
         sixSchool,
         &S::midDeltaYLeft1App1,
         "edSurName",
         {"edName", "edTown", "edSchool6", "edEndLern3", "edEntry3"}},
        {SheetKind::SupplementSpo, 0, sixSchool, &S::DeltaY1, "edTown", {}},
        {SheetKind::SupplementSpo, 1, plain, &S::DeltaY1, "edTrial2", {}},
        {SheetKind::SupplementSpo, 2, plain, &S::DeltaY1, "edRegNo", {}},
        {SheetKind::Academic,
         0,
         plain,
         &S::midDeltaYLeft4App1,
         "Disciplines4 row 1 Discipline",
         {"Disciplines4 row 26 Value"}},
        {SheetKind::Academic,
         1,
         plain,
         &S::midDeltaYLeft1App1,
         "edEduDateFrom41",
         {"edEntry41", "edEntry44", "edEducated41", "edSpecial43", "edReason41", "edReason43",
          "edEduDateTo42", "third date line"}},
        {SheetKind::Academic,
         1,
         plain,
         &S::midDeltaYLeft2App1,
         "edEntry44",
         {"edEducated44", "edReason41", "edReason43", "edEduDateFrom42", "third date line"}},
        {SheetKind::Academic,
         2,
         plain,
         &S::midDeltaYLeft1App1,
         "edSurName4",
         {"edTown4", "edEntry44", "edSchool46"}},
        {SheetKind::Academic, 1, plain, &S::DeltaY4, "edSchool44", {}},
        {SheetKind::SupplementNpo,
         0,
         threeQualify,
         &S::midDeltaYRight1App1,
         "edPresentDateNPO",
         {"edQualifyNPO1", "edQualifyNPO3", "edEducationNPO1", "edEducationNPO2"}},
        {SheetKind::SupplementNpo,
         1,
         plain,
         &S::midDeltaYLeft3App1,
         "edPrakticNPO1",
         {"edSpecRightNPO5", "edNameDiplPrjNPO2", "edExamMoreNPO7"}},
        {SheetKind::SupplementNpo, 0, sixSchool, &S::DeltaY1, "edSchoolNPO6", {}},
        {SheetKind::SupplementNpo,
         2,
         plain,
         &S::midDeltaYLeft1App1,
         "edSurNameNPO",
         {"edSchoolNPO6", "edExamenNPO2"}},
        {SheetKind::CertificateSupplement,
         0,
         plain,
         &S::midDeltaYRight1App1,
         "edPresentDate7",
         {"edQualify71", "edQualify76"}},
        {SheetKind::CertificateSupplement,
         2,
         plain,
         &S::midDeltaYLeft1App1,
         "edSurName7",
         {"edQualify76", "edSchool74", "edNameDoc2"}},
        {SheetKind::CertificateSupplement, 1, plain, &S::DeltaY7, "Disciplines7 row 1 Value", {}},
    };
}

TEST(LayoutProperties, ChainedBoxesFollowTheirAnchor) {
    constexpr int kRaise = 7;
    for (const Chain& chain : chains()) {
        const Blank blank{"chain", chain.setup, std::nullopt};
        Settings s;
        TReport before;
        TReport after;
        std::string what;
        ASSERT_TRUE(layOut(chain.sheet, blank, chain.edition, false, s, before, &what));
        s.*chain.setting += kRaise;
        ASSERT_TRUE(layOut(chain.sheet, blank, chain.edition, false, s, after, &what));
        SCOPED_TRACE(what + ", anchor " + chain.anchor);
        const auto& a = before.pages[0]->objects;
        const auto& b = after.pages[0]->objects;
        ASSERT_EQ(a.size(), b.size());
        std::set<std::string> moved;
        for (std::size_t i = 0; i < a.size(); ++i) {
            ASSERT_EQ(a[i]->role, b[i]->role);
            // A box either stays or moves down by exactly the raise, never by another amount
            // and never sideways.
            EXPECT_EQ(b[i]->left, a[i]->left) << a[i]->role;
            EXPECT_EQ(b[i]->width, a[i]->width) << a[i]->role;
            EXPECT_EQ(b[i]->height, a[i]->height) << a[i]->role;
            const int dy = b[i]->top - a[i]->top;
            EXPECT_TRUE(dy == 0 || dy == kRaise) << a[i]->role << " moved by " << dy;
            if (dy == kRaise)
                moved.insert(a[i]->role);
        }
        EXPECT_TRUE(moved.contains(chain.anchor));
        for (const std::string& role : chain.followers)
            EXPECT_TRUE(moved.contains(role)) << role << " stayed behind";
        if (chain.followers.empty()) {
            EXPECT_EQ(moved.size(), a.size()) << "a sheet shift moves every box";
        }
    }
}

}  // namespace
}  // namespace vellex
