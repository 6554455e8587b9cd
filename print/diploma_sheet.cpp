#include "print/diploma_sheet.h"

#include <array>

#include "model/document.h"
#include "storage/settings.h"

namespace vellex {

namespace {

using F = Field;

enum class SizeGroup : std::uint8_t { None, Town, School, Qualify, Specialicy, RukPred };

// Italic follows cbItalic_Diplom on most boxes; the date of issue only on the 2010 blank,
// where it is split into three parts.
enum class Italic : std::uint8_t { No, Yes, Edition2 };

// What the content stage does with the box of each source field.
struct Traits {
    Field source;
    SizeGroup size;
    int bold;  // 1…5: cbBold_Diplom1…5; 0: never bold
    Italic italic;
    bool keepTop;  // the small-font correction only shortens the box
};

constexpr Traits kTraits[] = {
    {F::edTownDiplom0, SizeGroup::Town, 1, Italic::Yes, false},
    {F::edTownDiplom, SizeGroup::Town, 1, Italic::Yes, false},
    {F::edSchoolDiplom1, SizeGroup::School, 1, Italic::Yes, false},
    {F::edSchoolDiplom2, SizeGroup::School, 1, Italic::Yes, false},
    {F::edSchoolDiplom3, SizeGroup::School, 1, Italic::Yes, false},
    {F::edSchoolDiplom4, SizeGroup::School, 1, Italic::Yes, false},
    {F::edPresentDateDiplom1, SizeGroup::None, 2, Italic::Yes, false},
    {F::edPresentDateDiplom2, SizeGroup::None, 2, Italic::Yes, false},
    {F::edPresentDateDiplom, SizeGroup::None, 2, Italic::Yes, false},
    {F::edStudentDiplom1, SizeGroup::None, 3, Italic::Yes, false},
    {F::edStudentDiplom2, SizeGroup::None, 3, Italic::Yes, false},
    {F::edStudentDiplom3, SizeGroup::None, 3, Italic::Yes, false},
    {F::edQualifyDiplom1, SizeGroup::Qualify, 4, Italic::Yes, false},
    {F::edQualifyDiplom2, SizeGroup::Qualify, 4, Italic::Yes, false},
    {F::edQualifyDiplom3, SizeGroup::Qualify, 4, Italic::Yes, false},
    {F::edQualifyDiplom4, SizeGroup::Qualify, 4, Italic::Yes, true},
    {F::edQualifyDiplom5, SizeGroup::Qualify, 4, Italic::Yes, true},
    {F::edSpecDiplom1, SizeGroup::Specialicy, 5, Italic::Yes, false},
    {F::edSpecDiplom2, SizeGroup::Specialicy, 5, Italic::Yes, false},
    {F::edSpecDiplom3, SizeGroup::Specialicy, 5, Italic::Yes, false},
    {F::edSpecDiplom4, SizeGroup::Specialicy, 5, Italic::Yes, false},
    {F::edSpecDiplom5, SizeGroup::Specialicy, 5, Italic::Yes, true},
    {F::edRegNoDiplom, SizeGroup::None, 0, Italic::No, false},
    {F::edDateOutDiplom1, SizeGroup::None, 0, Italic::Yes, false},
    {F::edDateOutDiplom2, SizeGroup::None, 0, Italic::Yes, false},
    {F::edDateOutDiplom, SizeGroup::None, 0, Italic::Edition2, false},
    {F::edPredGosAttCom, SizeGroup::RukPred, 0, Italic::Yes, false},
    {F::edRukObrazUch, SizeGroup::RukPred, 0, Italic::Yes, false},
};

const Traits& traitsOf(Field source) {
    for (const auto& t : kTraits)
        if (t.source == source)
            return t;
    static constexpr Traits kNone{F::edTownDiplom, SizeGroup::None, 0, Italic::No, false};
    return kNone;
}

// Duplicate mark by variant.
constexpr std::array<BoxPlace, 4> kDuplicate{{
    {520, 18, 220, 18, 0},
    {520, 18, 220, 18, 0},
    {18, 110, 18, 220, 6},
    {0, 110, 18, 220, 6},
}};

constexpr int kLine = 18;  // every box is 18 units across its line

// Portrait blank, editions 0 and 1. Tops: variant 0 edition 0, variant 0 edition 1,
// variant 1 (both editions). In placement order: the town line is made before the upper
// town line, which sits one 19-unit pitch above it.
struct PortraitRow {
    Field source;
    int left;
    std::array<Shifted, 3> top;
    int width;
    int adjust;
};

constexpr PortraitRow kPortrait[] = {
    {F::edTownDiplom, 407, {{{95}, {122}, {133}}}, 310, 2},
    {F::edTownDiplom0, 407, {{{76}, {76}, {114}}}, 310, 2},
    {F::edSchoolDiplom1, 380, {{{114}, {141}, {154}}}, 370, 2},
    {F::edSchoolDiplom2, 380, {{{133}, {160}, {175}}}, 370, 2},
    {F::edPresentDateDiplom, 422, {{{263, kM1}, {263, kM1}, {220, kM1}}}, 260, 2},
    {F::edStudentDiplom1, 402, {{{282, kM1}, {282, kM1}, {240, kM1}}}, 310, 2},
    {F::edStudentDiplom2, 402, {{{301, kM1}, {301, kM1}, {260, kM1}}}, 310, 2},
    {F::edQualifyDiplom1, 603, {{{316, kM2}, {316, kM2}, {290, kM2}}}, 111, 0},
    {F::edQualifyDiplom2, 402, {{{335, kM2}, {335, kM2}, {311, kM2}}}, 310, 2},
    {F::edQualifyDiplom3, 402, {{{354, kM2}, {354, kM2}, {332, kM2}}}, 310, 2},
    {F::edSpecDiplom1, 490, {{{370, kM3}, {370, kM3}, {355, kM3}}}, 191, 2},
    {F::edSpecDiplom2, 402, {{{389, kM3}, {389, kM3}, {376, kM3}}}, 310, 2},
    {F::edSpecDiplom3, 402, {{{408, kM3}, {408, kM3}, {397, kM3}}}, 310, 2},
    {F::edSpecDiplom4, 402, {{{427, kM3}, {427, kM3}, {418, kM3}}}, 310, 2},
    {F::edRegNoDiplom, 148, {{{519, kM4}, {484}, {490, kM4}}}, 190, 2},
    {F::edDateOutDiplom, 578, {{{529, kM5}, {529, kM5}, {510, kM5}}}, 150, 0},
};

// Landscape blank, editions 0 and 1: the page stays portrait, every box is a column with
// turned text and the block shifts move it across the page. Lefts: variant 2 edition 0,
// variant 2 edition 1, variant 3 (both editions).
struct LandscapeRow {
    Field source;
    std::array<Shifted, 3> left;
    int top;
    int height;
    int adjust;
};

constexpr LandscapeRow kLandscape[] = {
    {F::edTownDiplom, {{{95}, {122}, {115}}}, 63, 310, 6},
    {F::edTownDiplom0, {{{76}, {76}, {96}}}, 63, 310, 6},
    {F::edSchoolDiplom1, {{{114}, {141}, {136}}}, 30, 370, 6},
    {F::edSchoolDiplom2, {{{133}, {160}, {157}}}, 30, 370, 6},
    {F::edPresentDateDiplom, {{{263, kM1}, {263, kM1}, {202, kM1}}}, 98, 260, 6},
    {F::edStudentDiplom1, {{{282, kM1}, {282, kM1}, {222, kM1}}}, 68, 310, 6},
    {F::edStudentDiplom2, {{{301, kM1}, {301, kM1}, {242, kM1}}}, 68, 310, 6},
    {F::edQualifyDiplom1, {{{316, kM2}, {316, kM2}, {272, kM2}}}, 66, 111, 4},
    {F::edQualifyDiplom2, {{{335, kM2}, {335, kM2}, {293, kM2}}}, 68, 310, 6},
    {F::edQualifyDiplom3, {{{354, kM2}, {354, kM2}, {314, kM2}}}, 68, 310, 6},
    {F::edSpecDiplom1, {{{370, kM3}, {370, kM3}, {337, kM3}}}, 99, 191, 6},
    {F::edSpecDiplom2, {{{389, kM3}, {389, kM3}, {358, kM3}}}, 68, 310, 6},
    {F::edSpecDiplom3, {{{408, kM3}, {408, kM3}, {379, kM3}}}, 68, 310, 6},
    {F::edSpecDiplom4, {{{427, kM3}, {427, kM3}, {400, kM3}}}, 68, 310, 6},
    {F::edRegNoDiplom, {{{519, kM4}, {484}, {472, kM4}}}, 442, 190, 6},
    {F::edDateOutDiplom, {{{529, kM5}, {529, kM5}, {492, kM5}}}, 52, 150, 4},
};

// The 2010 blank in page order, the same for the secondary and the initial diploma.
// Portrait boxes are 18 high, landscape boxes 18 wide; the block shifts are not used.
struct Edition2Row {
    Field source;
    int pLeft, pTop, pWidth, pAdjust;
    int lLeft, lTop, lHeight, lAdjust;
};

constexpr Edition2Row kEdition2[] = {
    {F::edTownDiplom, 10, 305, 370, 2, 305, 400, 370, 6},
    {F::edTownDiplom0, 10, 280, 370, 2, 280, 400, 370, 6},
    {F::edSchoolDiplom1, 10, 330, 370, 2, 330, 400, 370, 6},
    {F::edSchoolDiplom2, 10, 355, 370, 2, 355, 400, 370, 6},
    {F::edPresentDateDiplom, 635, 128, 70, 2, 128, 75, 90, 6},
    {F::edStudentDiplom1, 10, 182, 370, 2, 182, 400, 370, 6},
    {F::edStudentDiplom2, 10, 207, 370, 2, 207, 400, 370, 6},
    {F::edQualifyDiplom1, 400, 180, 370, 2, 180, 10, 370, 6},
    {F::edQualifyDiplom2, 400, 205, 370, 2, 205, 10, 370, 6},
    {F::edQualifyDiplom3, 400, 231, 370, 2, 231, 10, 370, 6},
    {F::edSpecDiplom1, 400, 330, 370, 2, 330, 10, 370, 6},
    {F::edSpecDiplom2, 400, 355, 370, 2, 355, 10, 370, 6},
    {F::edSpecDiplom3, 400, 381, 370, 2, 381, 10, 370, 6},
    {F::edSpecDiplom4, 400, 406, 370, 2, 406, 10, 370, 6},
    {F::edRegNoDiplom, 165, 459, 190, 0, 459, 425, 190, 4},
    {F::edDateOutDiplom, 285, 485, 70, 0, 485, 405, 90, 4},
    // The boxes the older blanks do not have.
    {F::edStudentDiplom3, 10, 232, 370, 2, 232, 400, 370, 6},
    {F::edSchoolDiplom3, 10, 380, 370, 2, 380, 400, 370, 6},
    {F::edSchoolDiplom4, 10, 405, 370, 2, 405, 400, 370, 6},
    {F::edPresentDateDiplom1, 495, 128, 30, 0, 128, 265, 30, 4},
    {F::edPresentDateDiplom2, 535, 128, 90, 0, 128, 175, 80, 4},
    {F::edDateOutDiplom1, 130, 485, 40, 0, 485, 610, 40, 4},
    {F::edDateOutDiplom2, 180, 485, 95, 0, 485, 505, 95, 4},
    {F::edQualifyDiplom4, 400, 256, 370, 2, 256, 10, 370, 6},
    {F::edQualifyDiplom5, 400, 282, 370, 2, 282, 10, 370, 6},
    {F::edSpecDiplom5, 400, 432, 370, 2, 432, 10, 370, 6},
    {F::edPredGosAttCom, 640, 465, 170, 0, 464, -10, 220, 6},
    {F::edRukObrazUch, 640, 490, 170, 0, 489, -10, 220, 6},
};

bool isLandscape(int variant) {
    return variant >= 2;
}

// Which column of the editions-0/1 tables a variant and edition read: only the secondary
// blanks (variants 0 and 2) changed in 2007.
int olderColumn(int variant, int edition) {
    if (variant == 1 || variant == 3)
        return 2;
    return edition == 1 ? 1 : 0;
}

int sizeSetting(const Settings& s, SizeGroup g) {
    switch (g) {
        case SizeGroup::Town:
            return s.FontSizeDiplomTown;
        case SizeGroup::School:
            return s.FontSizeDiplomSchool;
        case SizeGroup::Qualify:
            return s.FontSizeDiplomQualify;
        case SizeGroup::Specialicy:
            return s.FontSizeDiplomSpecialicy;
        case SizeGroup::RukPred:
            return s.FontSizeDiplomRukPred;
        case SizeGroup::None:
            break;
    }
    return 0;
}

constexpr Flag kBoldFlags[] = {Flag::cbBold_Diplom1, Flag::cbBold_Diplom2, Flag::cbBold_Diplom3,
                               Flag::cbBold_Diplom4, Flag::cbBold_Diplom5};

}  // namespace

int diplomaVariant(const Document& doc) {
    const int v = doc.choice(Choice::rgProfEduType);
    return v >= 0 && v <= 3 ? v : 0;
}

PlacedBoxes placeDiploma(TReport& report, const Document& doc, const Settings& s, int variant,
                         int edition) {
    if (variant < 0 || variant > 3)
        variant = 0;
    edition = layoutEdition(edition);
    const bool landscape = isLandscape(variant);
    TReportPage& page = startSheet(report);
    PlacedBoxes placed;

    if (doc.flag(Flag::cbCopySign))
        placed.duplicate = placeDuplicateMark(page, kDuplicate[static_cast<std::size_t>(variant)]);

    if (edition == 2) {
        for (const auto& r : kEdition2) {
            const BoxPlace at = landscape ? BoxPlace{r.lLeft, r.lTop, kLine, r.lHeight, r.lAdjust}
                                          : BoxPlace{r.pLeft, r.pTop, r.pWidth, kLine, r.pAdjust};
            placed.boxes.emplace_back(r.source, placeBox(page, r.source, at));
        }
        return placed;
    }
    const std::array<int, 5> m{s.midDeltaYDiplom1, s.midDeltaYDiplom2, s.midDeltaYDiplom3,
                               s.midDeltaYDiplom4, s.midDeltaYDiplom5};
    const int column = olderColumn(variant, edition);
    if (landscape) {
        for (const auto& r : kLandscape) {
            const BoxPlace at{r.left[column].value(m), r.top, kLine, r.height, r.adjust};
            placed.boxes.emplace_back(r.source, placeBox(page, r.source, at));
        }
    } else {
        for (const auto& r : kPortrait) {
            const BoxPlace at{r.left, r.top[column].value(m), r.width, kLine, r.adjust};
            placed.boxes.emplace_back(r.source, placeBox(page, r.source, at));
        }
    }
    return placed;
}

void fillDiploma(const PlacedBoxes& placed, const Document& doc, const Settings& s, int edition) {
    edition = layoutEdition(edition);

    // Styles: the duplicate mark keeps its own bold italic whatever the check boxes say.
    const bool italic = doc.flag(Flag::cbItalic_Diplom);
    for (const auto& [source, box] : placed.boxes) {
        const Traits& t = traitsOf(source);
        if (t.bold > 0)
            setBold(*box, doc.flag(kBoldFlags[t.bold - 1]));
        if (t.italic == Italic::Yes || (t.italic == Italic::Edition2 && edition == 2))
            setItalic(*box, italic);
    }

    if (placed.duplicate)
        shiftBox(*placed.duplicate, s.DiplomDeltaX, s.DiplomDeltaY);
    for (const auto& [source, box] : placed.boxes)
        shiftBox(*box, s.DiplomDeltaX, s.DiplomDeltaY);

    for (SizeGroup g : {SizeGroup::Town, SizeGroup::School, SizeGroup::Qualify,
                        SizeGroup::Specialicy, SizeGroup::RukPred}) {
        const int points = sizeSetting(s, g);
        for (const auto& [source, box] : placed.boxes) {
            const Traits& t = traitsOf(source);
            if (t.size == g)
                applyBlockFontSize(*box, points, s.FontYcorr, t.keepTop);
        }
    }

    for (const auto& [source, box] : placed.boxes) {
        if (source == F::edTownDiplom0) {
            // The 2010 blank always has the line above the town; on the older blanks it is
            // the operator's choice. Either way it carries the field once.
            if (edition == 2 || doc.flag(Flag::cbAddLineUp_Diplom))
                setOneLine(*box, doc.text(source));
            else
                clearText(*box);
            continue;
        }
        setOneLine(*box, doc.text(source));
    }
}

void layoutDiploma(const Document& doc, const Settings& settings, TReport& report) {
    const int edition = layoutEdition(settings.VellexVersion);
    const PlacedBoxes placed = placeDiploma(report, doc, settings, diplomaVariant(doc), edition);
    fillDiploma(placed, doc, settings, edition);
}

}  // namespace vellex
