#include "print/certificate_sheet.h"

#include <array>

#include "model/document.h"
#include "print/sheet.h"
#include "storage/settings.h"

namespace vellex {

namespace {

using F = Field;

enum class SizeGroup : std::uint8_t { None, Town, School, Qualify };

// Bold and italic follow the sheet's two switches on every box but the registration number
// and, on the older blanks, the date of issue.
enum class Styled : std::uint8_t { No, Yes, Edition2 };

struct Traits {
    Field source;
    SizeGroup size;
    Styled styled;
};

constexpr Traits kTraits[] = {
    {F::edTownCertificate0, SizeGroup::Town, Styled::Yes},
    {F::edTownCertificate, SizeGroup::Town, Styled::Yes},
    {F::edSchoolCertificate1, SizeGroup::School, Styled::Yes},
    {F::edSchoolCertificate2, SizeGroup::School, Styled::Yes},
    {F::edSchoolCertificate3, SizeGroup::School, Styled::Yes},
    {F::edSchoolCertificate4, SizeGroup::School, Styled::Yes},
    {F::edPresentDateCertificate1, SizeGroup::None, Styled::Yes},
    {F::edPresentDateCertificate2, SizeGroup::None, Styled::Yes},
    {F::edPresentDateCertificate, SizeGroup::None, Styled::Yes},
    {F::edStudentCertificate1, SizeGroup::None, Styled::Yes},
    {F::edStudentCertificate2, SizeGroup::None, Styled::Yes},
    {F::edStudentCertificate3, SizeGroup::None, Styled::Yes},
    {F::edQualifyCertificate1, SizeGroup::Qualify, Styled::Yes},
    {F::edQualifyCertificate2, SizeGroup::Qualify, Styled::Yes},
    {F::edQualifyCertificate3, SizeGroup::Qualify, Styled::Yes},
    {F::edQualifyCertificate4, SizeGroup::Qualify, Styled::Yes},
    {F::edQualifyCertificate5, SizeGroup::Qualify, Styled::Yes},
    {F::edRegNoCertificate, SizeGroup::None, Styled::No},
    {F::edDateOutCertificate1, SizeGroup::None, Styled::Yes},
    {F::edDateOutCertificate2, SizeGroup::None, Styled::Yes},
    {F::edDateOutCertificate, SizeGroup::None, Styled::Edition2},
    {F::edPredGosAttComCert, SizeGroup::None, Styled::Yes},
    {F::edRukObrazUchCert, SizeGroup::None, Styled::Yes},
};

const Traits& traitsOf(Field source) {
    for (const auto& t : kTraits)
        if (t.source == source)
            return t;
    static constexpr Traits kNone{F::edTownCertificate, SizeGroup::None, Styled::No};
    return kNone;
}

constexpr int kLine = 18;  // every box is 18 units across its line

constexpr std::array<BoxPlace, 2> kDuplicate{{
    {520, 18, 220, 18, 0},
    {0, 110, 18, 220, 6},
}};

// Editions 0 and 1, portrait and landscape. The block shifts add up down the sheet: each
// one moves its line and everything below it (on the landscape blank: to its right).
struct OlderRow {
    Field source;
    int pLeft;
    Shifted pTop;
    int pWidth;
    Shifted lLeft;
    int lTop, lHeight;
    int pAdjust, lAdjust;
};

constexpr std::uint8_t kM12 = kM1 | kM2;

constexpr OlderRow kOlder[] = {
    {F::edTownCertificate0, 407, {114}, 310, {96}, 63, 310, 2, 6},
    {F::edTownCertificate, 407, {133}, 310, {115}, 63, 310, 2, 6},
    {F::edSchoolCertificate1, 380, {156}, 370, {138}, 30, 370, 2, 6},
    {F::edSchoolCertificate2, 380, {179}, 370, {161}, 30, 370, 2, 6},
    {F::edPresentDateCertificate, 422, {217, kM1}, 260, {199, kM1}, 98, 260, 2, 6},
    {F::edStudentCertificate1, 402, {242, kM1}, 310, {224, kM1}, 68, 310, 2, 6},
    {F::edStudentCertificate2, 402, {265, kM1}, 310, {247, kM1}, 68, 310, 2, 6},
    {F::edQualifyCertificate1, 603, {288, kM12}, 111, {270, kM12}, 66, 111, 0, 4},
    {F::edQualifyCertificate2, 402, {311, kM12}, 310, {293, kM12}, 68, 310, 2, 6},
    {F::edQualifyCertificate3, 402, {334, kM12}, 310, {316, kM12}, 68, 310, 2, 6},
    {F::edQualifyCertificate4, 402, {357, kM12}, 310, {339, kM12}, 68, 310, 2, 6},
    {F::edQualifyCertificate5, 402, {380, kM12}, 310, {362, kM12}, 68, 310, 2, 6},
    {F::edRegNoCertificate, 148, {466, kM12 | kM3}, 190, {448, kM12 | kM3}, 442, 190, 2, 6},
    {F::edDateOutCertificate, 578, {491, kM12 | kM4}, 150, {473, kM12 | kM4}, 52, 150, 0, 4},
};

// The 2010 blank, in page order; the block shifts are not used.
struct Edition2Row {
    Field source;
    int pLeft, pTop, pWidth;
    int lLeft, lTop, lHeight;
    int pAdjust, lAdjust;
};

constexpr Edition2Row kEdition2[] = {
    {F::edTownCertificate0, 10, 251, 370, 251, 400, 370, 2, 6},
    {F::edTownCertificate, 10, 276, 370, 276, 400, 370, 2, 6},
    {F::edSchoolCertificate1, 10, 301, 370, 301, 400, 370, 2, 6},
    {F::edSchoolCertificate2, 10, 326, 370, 326, 400, 370, 2, 6},
    {F::edPresentDateCertificate, 635, 150, 70, 150, 75, 90, 2, 6},
    {F::edStudentCertificate1, 10, 165, 370, 165, 400, 370, 2, 6},
    {F::edStudentCertificate2, 10, 190, 370, 190, 400, 370, 2, 6},
    {F::edQualifyCertificate1, 400, 226, 370, 226, 10, 370, 2, 6},
    {F::edQualifyCertificate2, 400, 251, 370, 251, 10, 370, 2, 6},
    {F::edQualifyCertificate3, 400, 277, 370, 277, 10, 370, 2, 6},
    {F::edQualifyCertificate4, 400, 303, 370, 302, 10, 370, 2, 6},
    {F::edQualifyCertificate5, 400, 329, 370, 328, 10, 370, 2, 6},
    {F::edRegNoCertificate, 165, 406, 190, 406, 425, 190, 0, 4},
    {F::edDateOutCertificate, 285, 432, 70, 432, 405, 90, 0, 4},
    // The boxes the older blanks do not have.
    {F::edStudentCertificate3, 10, 215, 370, 215, 400, 370, 2, 6},
    {F::edSchoolCertificate3, 10, 351, 370, 351, 400, 370, 2, 6},
    {F::edSchoolCertificate4, 10, 376, 370, 376, 400, 370, 2, 6},
    {F::edPresentDateCertificate1, 495, 150, 30, 150, 265, 30, 0, 4},
    {F::edPresentDateCertificate2, 535, 150, 90, 150, 175, 80, 0, 4},
    {F::edDateOutCertificate1, 130, 432, 40, 432, 610, 40, 0, 4},
    {F::edDateOutCertificate2, 180, 432, 95, 432, 505, 95, 0, 4},
    {F::edPredGosAttComCert, 640, 376, 170, 376, -10, 220, 0, 6},
    {F::edRukObrazUchCert, 640, 404, 170, 404, -10, 220, 0, 6},
};

int sizeSetting(const Settings& s, SizeGroup g) {
    switch (g) {
        case SizeGroup::Town:
            return s.FontSizeCertificateTown;
        case SizeGroup::School:
            return s.FontSizeCertificateSchool;
        case SizeGroup::Qualify:
            return s.FontSizeCertificateQualify;
        case SizeGroup::None:
            break;
    }
    return 0;
}

}  // namespace

PlacedBoxes placeCertificate(TReport& report, const Document& doc, const Settings& s, int variant,
                             int edition) {
    // Only item 1 is the landscape blank; no item chosen prints on the portrait one.
    const bool landscape = variant == 1;
    edition = layoutEdition(edition);
    TReportPage& page = startSheet(report);
    PlacedBoxes placed;

    if (doc.flag(Flag::cbCopySignDbl))
        placed.duplicate = placeDuplicateMark(page, kDuplicate[landscape ? 1 : 0]);

    if (edition == 2) {
        for (const auto& r : kEdition2) {
            const BoxPlace at = landscape ? BoxPlace{r.lLeft, r.lTop, kLine, r.lHeight, r.lAdjust}
                                          : BoxPlace{r.pLeft, r.pTop, r.pWidth, kLine, r.pAdjust};
            placed.boxes.emplace_back(r.source, placeBox(page, r.source, at));
        }
        return placed;
    }
    const std::array<int, 4> m{s.midDeltaYCert1, s.midDeltaYCert2, s.midDeltaYCert3,
                               s.midDeltaYCert4};
    for (const auto& r : kOlder) {
        const BoxPlace at = landscape
                                ? BoxPlace{r.lLeft.value(m), r.lTop, kLine, r.lHeight, r.lAdjust}
                                : BoxPlace{r.pLeft, r.pTop.value(m), r.pWidth, kLine, r.pAdjust};
        placed.boxes.emplace_back(r.source, placeBox(page, r.source, at));
    }
    return placed;
}

void fillCertificate(const PlacedBoxes& placed, const Document& doc, const Settings& s, int edition,
                     bool bold, bool italic) {
    edition = layoutEdition(edition);

    // The duplicate mark keeps its own bold italic; the switches style the entries only.
    for (const auto& [source, box] : placed.boxes) {
        const Styled styled = traitsOf(source).styled;
        if (styled == Styled::Yes || (styled == Styled::Edition2 && edition == 2))
            setBold(*box, bold);
    }
    for (const auto& [source, box] : placed.boxes) {
        const Styled styled = traitsOf(source).styled;
        if (styled == Styled::Yes || (styled == Styled::Edition2 && edition == 2))
            setItalic(*box, italic);
    }

    if (placed.duplicate)
        shiftBox(*placed.duplicate, s.CertificateDeltaX, s.CertificateDeltaY);
    for (const auto& [source, box] : placed.boxes)
        shiftBox(*box, s.CertificateDeltaX, s.CertificateDeltaY);

    for (SizeGroup g : {SizeGroup::Town, SizeGroup::School, SizeGroup::Qualify}) {
        const int points = sizeSetting(s, g);
        for (const auto& [source, box] : placed.boxes)
            if (traitsOf(source).size == g)
                applyBlockFontSize(*box, points, s.FontYcorr);
    }

    // The certificate has no switch for the line above the town: it always prints.
    for (const auto& [source, box] : placed.boxes)
        setOneLine(*box, doc.text(source));
}

void layoutCertificate(const Document& doc, const Settings& settings, const SheetOptions& options,
                       TReport& report) {
    const int variant = options.certVariant.value_or(doc.choice(Choice::rgProfEduTypeCert));
    const bool bold = options.certBold.value_or(doc.flag(Flag::cbBold_Certificate));
    const bool italic = options.certItalic.value_or(doc.flag(Flag::cbItalic_Certificate));
    const int edition = layoutEdition(settings.VellexVersion);
    const PlacedBoxes placed = placeCertificate(report, doc, settings, variant, edition);
    fillCertificate(placed, doc, settings, edition, bold, italic);
}

}  // namespace vellex
