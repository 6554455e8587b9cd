#include "print/diploma_sheet.h"

#include <array>
#include <string_view>

#include "model/document.h"
#include "storage/settings.h"

namespace vellex {

namespace {

using S = Settings;

// Variant bits of the diploma's layout key.
constexpr std::uint32_t kLandscape = 1;  // rgProfEduType 2 and 3
constexpr std::uint32_t kInitial = 2;    // rgProfEduType 1 and 3

// The block shifts midDeltaYDiplom1…5 (editions 0 and 1): each moves its block's lines
// down the portrait blank, across the landscape one.
constexpr SettingKey kM1 = &S::midDeltaYDiplom1;
constexpr SettingKey kM2 = &S::midDeltaYDiplom2;
constexpr SettingKey kM3 = &S::midDeltaYDiplom3;
constexpr SettingKey kM4 = &S::midDeltaYDiplom4;
constexpr SettingKey kM5 = &S::midDeltaYDiplom5;

// In page order per blank. On the older blanks the town line is made before the upper town
// line, which sits one 19-unit pitch above it; only the secondary blanks changed in 2007.
// clang-format off
const Layout& diplomaLayout() {
    static const Layout layout{
        // Portrait, secondary blank, edition 0.
        {{kEd0, 0, kLandscape | kInitial},
         {
             titleLine("edTownDiplom", 407, fixed(95), 310, 2),
             titleLine("edTownDiplom0", 407, fixed(76), 310, 2),
             titleLine("edSchoolDiplom1", 380, fixed(114), 370, 2),
             titleLine("edSchoolDiplom2", 380, fixed(133), 370, 2),
             titleLine("edPresentDateDiplom", 422, fixedPlus(263, {kM1}), 260, 2),
             titleLine("edStudentDiplom1", 402, fixedPlus(282, {kM1}), 310, 2),
             titleLine("edStudentDiplom2", 402, fixedPlus(301, {kM1}), 310, 2),
             titleLine("edQualifyDiplom1", 603, fixedPlus(316, {kM2}), 111, 0),
             titleLine("edQualifyDiplom2", 402, fixedPlus(335, {kM2}), 310, 2),
             titleLine("edQualifyDiplom3", 402, fixedPlus(354, {kM2}), 310, 2),
             titleLine("edSpecDiplom1", 490, fixedPlus(370, {kM3}), 191, 2),
             titleLine("edSpecDiplom2", 402, fixedPlus(389, {kM3}), 310, 2),
             titleLine("edSpecDiplom3", 402, fixedPlus(408, {kM3}), 310, 2),
             titleLine("edSpecDiplom4", 402, fixedPlus(427, {kM3}), 310, 2),
             titleLine("edRegNoDiplom", 148, fixedPlus(519, {kM4}), 190, 2),
             titleLine("edDateOutDiplom", 578, fixedPlus(529, {kM5}), 150, 0),
         }},
        // Portrait, secondary blank, edition 1.
        {{kEd1, 0, kLandscape | kInitial},
         {
             titleLine("edTownDiplom", 407, fixed(122), 310, 2),
             titleLine("edTownDiplom0", 407, fixed(76), 310, 2),
             titleLine("edSchoolDiplom1", 380, fixed(141), 370, 2),
             titleLine("edSchoolDiplom2", 380, fixed(160), 370, 2),
             titleLine("edPresentDateDiplom", 422, fixedPlus(263, {kM1}), 260, 2),
             titleLine("edStudentDiplom1", 402, fixedPlus(282, {kM1}), 310, 2),
             titleLine("edStudentDiplom2", 402, fixedPlus(301, {kM1}), 310, 2),
             titleLine("edQualifyDiplom1", 603, fixedPlus(316, {kM2}), 111, 0),
             titleLine("edQualifyDiplom2", 402, fixedPlus(335, {kM2}), 310, 2),
             titleLine("edQualifyDiplom3", 402, fixedPlus(354, {kM2}), 310, 2),
             titleLine("edSpecDiplom1", 490, fixedPlus(370, {kM3}), 191, 2),
             titleLine("edSpecDiplom2", 402, fixedPlus(389, {kM3}), 310, 2),
             titleLine("edSpecDiplom3", 402, fixedPlus(408, {kM3}), 310, 2),
             titleLine("edSpecDiplom4", 402, fixedPlus(427, {kM3}), 310, 2),
             titleLine("edRegNoDiplom", 148, fixed(484), 190, 2),
             titleLine("edDateOutDiplom", 578, fixedPlus(529, {kM5}), 150, 0),
         }},
        // Portrait, initial blank, editions 0 and 1.
        {{kOlderEditions, kInitial, kLandscape},
         {
             titleLine("edTownDiplom", 407, fixed(133), 310, 2),
             titleLine("edTownDiplom0", 407, fixed(114), 310, 2),
             titleLine("edSchoolDiplom1", 380, fixed(154), 370, 2),
             titleLine("edSchoolDiplom2", 380, fixed(175), 370, 2),
             titleLine("edPresentDateDiplom", 422, fixedPlus(220, {kM1}), 260, 2),
             titleLine("edStudentDiplom1", 402, fixedPlus(240, {kM1}), 310, 2),
             titleLine("edStudentDiplom2", 402, fixedPlus(260, {kM1}), 310, 2),
             titleLine("edQualifyDiplom1", 603, fixedPlus(290, {kM2}), 111, 0),
             titleLine("edQualifyDiplom2", 402, fixedPlus(311, {kM2}), 310, 2),
             titleLine("edQualifyDiplom3", 402, fixedPlus(332, {kM2}), 310, 2),
             titleLine("edSpecDiplom1", 490, fixedPlus(355, {kM3}), 191, 2),
             titleLine("edSpecDiplom2", 402, fixedPlus(376, {kM3}), 310, 2),
             titleLine("edSpecDiplom3", 402, fixedPlus(397, {kM3}), 310, 2),
             titleLine("edSpecDiplom4", 402, fixedPlus(418, {kM3}), 310, 2),
             titleLine("edRegNoDiplom", 148, fixedPlus(490, {kM4}), 190, 2),
             titleLine("edDateOutDiplom", 578, fixedPlus(510, {kM5}), 150, 0),
         }},
        // Landscape, secondary blank, edition 0.
        {{kEd0, kLandscape, kInitial},
         {
             titleColumn("edTownDiplom", fixed(95), 63, 310, 6),
             titleColumn("edTownDiplom0", fixed(76), 63, 310, 6),
             titleColumn("edSchoolDiplom1", fixed(114), 30, 370, 6),
             titleColumn("edSchoolDiplom2", fixed(133), 30, 370, 6),
             titleColumn("edPresentDateDiplom", fixedPlus(263, {kM1}), 98, 260, 6),
             titleColumn("edStudentDiplom1", fixedPlus(282, {kM1}), 68, 310, 6),
             titleColumn("edStudentDiplom2", fixedPlus(301, {kM1}), 68, 310, 6),
             titleColumn("edQualifyDiplom1", fixedPlus(316, {kM2}), 66, 111, 4),
             titleColumn("edQualifyDiplom2", fixedPlus(335, {kM2}), 68, 310, 6),
             titleColumn("edQualifyDiplom3", fixedPlus(354, {kM2}), 68, 310, 6),
             titleColumn("edSpecDiplom1", fixedPlus(370, {kM3}), 99, 191, 6),
             titleColumn("edSpecDiplom2", fixedPlus(389, {kM3}), 68, 310, 6),
             titleColumn("edSpecDiplom3", fixedPlus(408, {kM3}), 68, 310, 6),
             titleColumn("edSpecDiplom4", fixedPlus(427, {kM3}), 68, 310, 6),
             titleColumn("edRegNoDiplom", fixedPlus(519, {kM4}), 442, 190, 6),
             titleColumn("edDateOutDiplom", fixedPlus(529, {kM5}), 52, 150, 4),
         }},
        // Landscape, secondary blank, edition 1.
        {{kEd1, kLandscape, kInitial},
         {
             titleColumn("edTownDiplom", fixed(122), 63, 310, 6),
             titleColumn("edTownDiplom0", fixed(76), 63, 310, 6),
             titleColumn("edSchoolDiplom1", fixed(141), 30, 370, 6),
             titleColumn("edSchoolDiplom2", fixed(160), 30, 370, 6),
             titleColumn("edPresentDateDiplom", fixedPlus(263, {kM1}), 98, 260, 6),
             titleColumn("edStudentDiplom1", fixedPlus(282, {kM1}), 68, 310, 6),
             titleColumn("edStudentDiplom2", fixedPlus(301, {kM1}), 68, 310, 6),
             titleColumn("edQualifyDiplom1", fixedPlus(316, {kM2}), 66, 111, 4),
             titleColumn("edQualifyDiplom2", fixedPlus(335, {kM2}), 68, 310, 6),
             titleColumn("edQualifyDiplom3", fixedPlus(354, {kM2}), 68, 310, 6),
             titleColumn("edSpecDiplom1", fixedPlus(370, {kM3}), 99, 191, 6),
             titleColumn("edSpecDiplom2", fixedPlus(389, {kM3}), 68, 310, 6),
             titleColumn("edSpecDiplom3", fixedPlus(408, {kM3}), 68, 310, 6),
             titleColumn("edSpecDiplom4", fixedPlus(427, {kM3}), 68, 310, 6),
             titleColumn("edRegNoDiplom", fixed(484), 442, 190, 6),
             titleColumn("edDateOutDiplom", fixedPlus(529, {kM5}), 52, 150, 4),
         }},
        // Landscape, initial blank, editions 0 and 1.
        {{kOlderEditions, kLandscape | kInitial, 0},
         {
             titleColumn("edTownDiplom", fixed(115), 63, 310, 6),
             titleColumn("edTownDiplom0", fixed(96), 63, 310, 6),
             titleColumn("edSchoolDiplom1", fixed(136), 30, 370, 6),
             titleColumn("edSchoolDiplom2", fixed(157), 30, 370, 6),
             titleColumn("edPresentDateDiplom", fixedPlus(202, {kM1}), 98, 260, 6),
             titleColumn("edStudentDiplom1", fixedPlus(222, {kM1}), 68, 310, 6),
             titleColumn("edStudentDiplom2", fixedPlus(242, {kM1}), 68, 310, 6),
             titleColumn("edQualifyDiplom1", fixedPlus(272, {kM2}), 66, 111, 4),
             titleColumn("edQualifyDiplom2", fixedPlus(293, {kM2}), 68, 310, 6),
             titleColumn("edQualifyDiplom3", fixedPlus(314, {kM2}), 68, 310, 6),
             titleColumn("edSpecDiplom1", fixedPlus(337, {kM3}), 99, 191, 6),
             titleColumn("edSpecDiplom2", fixedPlus(358, {kM3}), 68, 310, 6),
             titleColumn("edSpecDiplom3", fixedPlus(379, {kM3}), 68, 310, 6),
             titleColumn("edSpecDiplom4", fixedPlus(400, {kM3}), 68, 310, 6),
             titleColumn("edRegNoDiplom", fixedPlus(472, {kM4}), 442, 190, 6),
             titleColumn("edDateOutDiplom", fixedPlus(492, {kM5}), 52, 150, 4),
         }},
        // Portrait, the 2010 blank (both kinds).
        {{kEd2, 0, kLandscape},
         {
             titleLine("edTownDiplom", 10, fixed(305), 370, 2),
             titleLine("edTownDiplom0", 10, fixed(280), 370, 2),
             titleLine("edSchoolDiplom1", 10, fixed(330), 370, 2),
             titleLine("edSchoolDiplom2", 10, fixed(355), 370, 2),
             titleLine("edPresentDateDiplom", 635, fixed(128), 70, 2),
             titleLine("edStudentDiplom1", 10, fixed(182), 370, 2),
             titleLine("edStudentDiplom2", 10, fixed(207), 370, 2),
             titleLine("edQualifyDiplom1", 400, fixed(180), 370, 2),
             titleLine("edQualifyDiplom2", 400, fixed(205), 370, 2),
             titleLine("edQualifyDiplom3", 400, fixed(231), 370, 2),
             titleLine("edSpecDiplom1", 400, fixed(330), 370, 2),
             titleLine("edSpecDiplom2", 400, fixed(355), 370, 2),
             titleLine("edSpecDiplom3", 400, fixed(381), 370, 2),
             titleLine("edSpecDiplom4", 400, fixed(406), 370, 2),
             titleLine("edRegNoDiplom", 165, fixed(459), 190, 0),
             titleLine("edDateOutDiplom", 285, fixed(485), 70, 0),
             // The boxes the older blanks do not have.
             titleLine("edStudentDiplom3", 10, fixed(232), 370, 2),
             titleLine("edSchoolDiplom3", 10, fixed(380), 370, 2),
             titleLine("edSchoolDiplom4", 10, fixed(405), 370, 2),
             titleLine("edPresentDateDiplom1", 495, fixed(128), 30, 0),
             titleLine("edPresentDateDiplom2", 535, fixed(128), 90, 0),
             titleLine("edDateOutDiplom1", 130, fixed(485), 40, 0),
             titleLine("edDateOutDiplom2", 180, fixed(485), 95, 0),
             titleLine("edQualifyDiplom4", 400, fixed(256), 370, 2),
             titleLine("edQualifyDiplom5", 400, fixed(282), 370, 2),
             titleLine("edSpecDiplom5", 400, fixed(432), 370, 2),
             titleLine("edPredGosAttCom", 640, fixed(465), 170, 0),
             titleLine("edRukObrazUch", 640, fixed(490), 170, 0),
         }},
        // Landscape, the 2010 blank (both kinds).
        {{kEd2, kLandscape, 0},
         {
             titleColumn("edTownDiplom", fixed(305), 400, 370, 6),
             titleColumn("edTownDiplom0", fixed(280), 400, 370, 6),
             titleColumn("edSchoolDiplom1", fixed(330), 400, 370, 6),
             titleColumn("edSchoolDiplom2", fixed(355), 400, 370, 6),
             titleColumn("edPresentDateDiplom", fixed(128), 75, 90, 6),
             titleColumn("edStudentDiplom1", fixed(182), 400, 370, 6),
             titleColumn("edStudentDiplom2", fixed(207), 400, 370, 6),
             titleColumn("edQualifyDiplom1", fixed(180), 10, 370, 6),
             titleColumn("edQualifyDiplom2", fixed(205), 10, 370, 6),
             titleColumn("edQualifyDiplom3", fixed(231), 10, 370, 6),
             titleColumn("edSpecDiplom1", fixed(330), 10, 370, 6),
             titleColumn("edSpecDiplom2", fixed(355), 10, 370, 6),
             titleColumn("edSpecDiplom3", fixed(381), 10, 370, 6),
             titleColumn("edSpecDiplom4", fixed(406), 10, 370, 6),
             titleColumn("edRegNoDiplom", fixed(459), 425, 190, 4),
             titleColumn("edDateOutDiplom", fixed(485), 405, 90, 4),
             // The boxes the older blanks do not have.
             titleColumn("edStudentDiplom3", fixed(232), 400, 370, 6),
             titleColumn("edSchoolDiplom3", fixed(380), 400, 370, 6),
             titleColumn("edSchoolDiplom4", fixed(405), 400, 370, 6),
             titleColumn("edPresentDateDiplom1", fixed(128), 265, 30, 4),
             titleColumn("edPresentDateDiplom2", fixed(128), 175, 80, 4),
             titleColumn("edDateOutDiplom1", fixed(485), 610, 40, 4),
             titleColumn("edDateOutDiplom2", fixed(485), 505, 95, 4),
             titleColumn("edQualifyDiplom4", fixed(256), 10, 370, 6),
             titleColumn("edQualifyDiplom5", fixed(282), 10, 370, 6),
             titleColumn("edSpecDiplom5", fixed(432), 10, 370, 6),
             titleColumn("edPredGosAttCom", fixed(464), -10, 220, 6),
             titleColumn("edRukObrazUch", fixed(489), -10, 220, 6),
         }},

    };
    return layout;
}
// clang-format on

// Italic follows cbItalic_Diplom on most boxes; the date of issue only on the 2010 blank,
// where it is split into three parts.
enum class Italic : std::uint8_t { No, Yes, Edition2 };

struct Style {
    std::string_view role;
    int bold;  // 1…5: cbBold_Diplom1…5; 0: never bold
    Italic italic;
};

constexpr Style kStyles[] = {
    {"edTownDiplom0", 1, Italic::Yes},        {"edTownDiplom", 1, Italic::Yes},
    {"edSchoolDiplom1", 1, Italic::Yes},      {"edSchoolDiplom2", 1, Italic::Yes},
    {"edSchoolDiplom3", 1, Italic::Yes},      {"edSchoolDiplom4", 1, Italic::Yes},
    {"edPresentDateDiplom1", 2, Italic::Yes}, {"edPresentDateDiplom2", 2, Italic::Yes},
    {"edPresentDateDiplom", 2, Italic::Yes},  {"edStudentDiplom1", 3, Italic::Yes},
    {"edStudentDiplom2", 3, Italic::Yes},     {"edStudentDiplom3", 3, Italic::Yes},
    {"edQualifyDiplom1", 4, Italic::Yes},     {"edQualifyDiplom2", 4, Italic::Yes},
    {"edQualifyDiplom3", 4, Italic::Yes},     {"edQualifyDiplom4", 4, Italic::Yes},
    {"edQualifyDiplom5", 4, Italic::Yes},     {"edSpecDiplom1", 5, Italic::Yes},
    {"edSpecDiplom2", 5, Italic::Yes},        {"edSpecDiplom3", 5, Italic::Yes},
    {"edSpecDiplom4", 5, Italic::Yes},        {"edSpecDiplom5", 5, Italic::Yes},
    {"edRegNoDiplom", 0, Italic::No},         {"edDateOutDiplom1", 0, Italic::Yes},
    {"edDateOutDiplom2", 0, Italic::Yes},     {"edDateOutDiplom", 0, Italic::Edition2},
    {"edPredGosAttCom", 0, Italic::Yes},      {"edRukObrazUch", 0, Italic::Yes},
};

constexpr Flag kBoldFlags[] = {Flag::cbBold_Diplom1, Flag::cbBold_Diplom2, Flag::cbBold_Diplom3,
                               Flag::cbBold_Diplom4, Flag::cbBold_Diplom5};

// Block font sizes. The last qualification and speciality lines of the 2010 blank keep
// their top edge.
const std::vector<SizeRule>& sizeRules() {
    constexpr auto kCorr = Correction::SmallFont;
    constexpr auto kShorten = Correction::SmallFontShorten;
    static const std::vector<SizeRule> rules{
        {{}, &S::FontSizeDiplomTown, {"edTownDiplom0", "edTownDiplom"}, kCorr},
        {{}, &S::FontSizeDiplomSchool, lineRoles("edSchoolDiplom", 1, 2), kCorr},
        {{kEd2}, &S::FontSizeDiplomSchool, lineRoles("edSchoolDiplom", 3, 4), kCorr},
        {{}, &S::FontSizeDiplomQualify, lineRoles("edQualifyDiplom", 1, 3), kCorr},
        {{kEd2}, &S::FontSizeDiplomQualify, lineRoles("edQualifyDiplom", 4, 5), kShorten},
        {{}, &S::FontSizeDiplomSpecialicy, lineRoles("edSpecDiplom", 1, 4), kCorr},
        {{kEd2}, &S::FontSizeDiplomSpecialicy, {"edSpecDiplom5"}, kShorten},
        {{kEd2}, &S::FontSizeDiplomRukPred, {"edPredGosAttCom", "edRukObrazUch"}, kCorr},
    };
    return rules;
}

// Duplicate mark by variant.
constexpr std::array<MarkPlace, 4> kDuplicate{{
    {520, 18, 220, 18, 0},
    {520, 18, 220, 18, 0},
    {18, 110, 18, 220, 6},
    {0, 110, 18, 220, 6},
}};

LayoutKey diplomaKey(int variant, int edition) {
    return {layoutEdition(edition),
            (variant >= 2 ? kLandscape : 0u) | (variant == 1 || variant == 3 ? kInitial : 0u)};
}

}  // namespace

int diplomaVariant(const Document& doc) {
    const int v = doc.choice(Choice::rgProfEduType);
    return v >= 0 && v <= 3 ? v : 0;
}

SheetBoxes placeDiploma(TReport& report, const Document& doc, const Settings& s, int variant,
                        int edition) {
    if (variant < 0 || variant > 3)
        variant = 0;
    SheetBoxes boxes = beginTitleSheet(report, doc.flag(Flag::cbCopySign),
                                       kDuplicate[static_cast<std::size_t>(variant)]);
    const std::vector<BoxRow> rows = selectRows(diplomaLayout(), diplomaKey(variant, edition));
    placeRows(boxes, s, rows);
    applyRowAdjust(boxes, s, rows);
    return boxes;
}

void fillDiploma(const SheetBoxes& boxes, const Document& doc, const Settings& s, int edition) {
    edition = layoutEdition(edition);

    // Styles: the duplicate mark keeps its own bold italic whatever the check boxes say.
    const bool italic = doc.flag(Flag::cbItalic_Diplom);
    for (const Style& st : kStyles) {
        TTextBox* box = boxes.find(st.role);
        if (!box)
            continue;
        if (st.bold > 0)
            setBold(*box, doc.flag(kBoldFlags[st.bold - 1]));
        if (st.italic == Italic::Yes || (st.italic == Italic::Edition2 && edition == 2))
            setItalic(*box, italic);
    }

    shiftSheet(boxes, s.DiplomDeltaX, s.DiplomDeltaY, 0, 0, MarkShift::WithSheet);
    applySizeRules(boxes, s, sizeRules(), LayoutKey{edition, 0});

    putFieldLines(boxes, doc);
    // The 2010 blank always has the line above the town; on the older blanks it is the
    // operator's choice.
    if (TTextBox* up = boxes.find("edTownDiplom0");
        up && edition != 2 && !doc.flag(Flag::cbAddLineUp_Diplom))
        clearText(*up);
}

void layoutDiploma(const Document& doc, const Settings& settings, TReport& report) {
    const int edition = layoutEdition(settings.VellexVersion);
    const SheetBoxes boxes = placeDiploma(report, doc, settings, diplomaVariant(doc), edition);
    fillDiploma(boxes, doc, settings, edition);
}

}  // namespace vellex
