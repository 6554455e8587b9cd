#include "print/certificate_sheet.h"

#include <array>
#include <string_view>

#include "model/document.h"
#include "print/sheet.h"
#include "storage/settings.h"

namespace vellex {

namespace {

using S = Settings;

// Variant bit of the certificate's layout key: rgProfEduTypeCert 1.
constexpr std::uint32_t kLandscape = 1;

// The block shifts midDeltaYCert1…4 (editions 0 and 1) add up down the sheet: each one
// moves its line and everything below it (on the landscape blank: to its right).
constexpr SettingKey kM1 = &S::midDeltaYCert1;
constexpr SettingKey kM2 = &S::midDeltaYCert2;
constexpr SettingKey kM3 = &S::midDeltaYCert3;
constexpr SettingKey kM4 = &S::midDeltaYCert4;

// In page order per blank.
// clang-format off
const Layout& certificateLayout() {
    static const Layout layout{
        // Portrait, editions 0 and 1.
        {{kOlderEditions, 0, kLandscape},
         {
             titleLine("edTownCertificate0", 407, fixed(114), 310, 2),
             titleLine("edTownCertificate", 407, fixed(133), 310, 2),
             titleLine("edSchoolCertificate1", 380, fixed(156), 370, 2),
             titleLine("edSchoolCertificate2", 380, fixed(179), 370, 2),
             titleLine("edPresentDateCertificate", 422, fixedPlus(217, {kM1}), 260, 2),
             titleLine("edStudentCertificate1", 402, fixedPlus(242, {kM1}), 310, 2),
             titleLine("edStudentCertificate2", 402, fixedPlus(265, {kM1}), 310, 2),
             titleLine("edQualifyCertificate1", 603, fixedPlus(288, {kM1, kM2}), 111, 0),
             titleLine("edQualifyCertificate2", 402, fixedPlus(311, {kM1, kM2}), 310, 2),
             titleLine("edQualifyCertificate3", 402, fixedPlus(334, {kM1, kM2}), 310, 2),
             titleLine("edQualifyCertificate4", 402, fixedPlus(357, {kM1, kM2}), 310, 2),
             titleLine("edQualifyCertificate5", 402, fixedPlus(380, {kM1, kM2}), 310, 2),
             titleLine("edRegNoCertificate", 148, fixedPlus(466, {kM1, kM2, kM3}), 190, 2),
             titleLine("edDateOutCertificate", 578, fixedPlus(491, {kM1, kM2, kM4}), 150, 0),
         }},
        // Landscape, editions 0 and 1.
        {{kOlderEditions, kLandscape, 0},
         {
             titleColumn("edTownCertificate0", fixed(96), 63, 310, 6),
             titleColumn("edTownCertificate", fixed(115), 63, 310, 6),
             titleColumn("edSchoolCertificate1", fixed(138), 30, 370, 6),
             titleColumn("edSchoolCertificate2", fixed(161), 30, 370, 6),
             titleColumn("edPresentDateCertificate", fixedPlus(199, {kM1}), 98, 260, 6),
             titleColumn("edStudentCertificate1", fixedPlus(224, {kM1}), 68, 310, 6),
             titleColumn("edStudentCertificate2", fixedPlus(247, {kM1}), 68, 310, 6),
             titleColumn("edQualifyCertificate1", fixedPlus(270, {kM1, kM2}), 66, 111, 4),
             titleColumn("edQualifyCertificate2", fixedPlus(293, {kM1, kM2}), 68, 310, 6),
             titleColumn("edQualifyCertificate3", fixedPlus(316, {kM1, kM2}), 68, 310, 6),
             titleColumn("edQualifyCertificate4", fixedPlus(339, {kM1, kM2}), 68, 310, 6),
             titleColumn("edQualifyCertificate5", fixedPlus(362, {kM1, kM2}), 68, 310, 6),
             titleColumn("edRegNoCertificate", fixedPlus(448, {kM1, kM2, kM3}), 442, 190, 6),
             titleColumn("edDateOutCertificate", fixedPlus(473, {kM1, kM2, kM4}), 52, 150, 4),
         }},
        // Portrait, the 2010 blank.
        {{kEd2, 0, kLandscape},
         {
             titleLine("edTownCertificate0", 10, fixed(251), 370, 2),
             titleLine("edTownCertificate", 10, fixed(276), 370, 2),
             titleLine("edSchoolCertificate1", 10, fixed(301), 370, 2),
             titleLine("edSchoolCertificate2", 10, fixed(326), 370, 2),
             titleLine("edPresentDateCertificate", 635, fixed(150), 70, 2),
             titleLine("edStudentCertificate1", 10, fixed(165), 370, 2),
             titleLine("edStudentCertificate2", 10, fixed(190), 370, 2),
             titleLine("edQualifyCertificate1", 400, fixed(226), 370, 2),
             titleLine("edQualifyCertificate2", 400, fixed(251), 370, 2),
             titleLine("edQualifyCertificate3", 400, fixed(277), 370, 2),
             titleLine("edQualifyCertificate4", 400, fixed(303), 370, 2),
             titleLine("edQualifyCertificate5", 400, fixed(329), 370, 2),
             titleLine("edRegNoCertificate", 165, fixed(406), 190, 0),
             titleLine("edDateOutCertificate", 285, fixed(432), 70, 0),
             // The boxes the older blanks do not have.
             titleLine("edStudentCertificate3", 10, fixed(215), 370, 2),
             titleLine("edSchoolCertificate3", 10, fixed(351), 370, 2),
             titleLine("edSchoolCertificate4", 10, fixed(376), 370, 2),
             titleLine("edPresentDateCertificate1", 495, fixed(150), 30, 0),
             titleLine("edPresentDateCertificate2", 535, fixed(150), 90, 0),
             titleLine("edDateOutCertificate1", 130, fixed(432), 40, 0),
             titleLine("edDateOutCertificate2", 180, fixed(432), 95, 0),
             titleLine("edPredGosAttComCert", 640, fixed(376), 170, 0),
             titleLine("edRukObrazUchCert", 640, fixed(404), 170, 0),
         }},
        // Landscape, the 2010 blank.
        {{kEd2, kLandscape, 0},
         {
             titleColumn("edTownCertificate0", fixed(251), 400, 370, 6),
             titleColumn("edTownCertificate", fixed(276), 400, 370, 6),
             titleColumn("edSchoolCertificate1", fixed(301), 400, 370, 6),
             titleColumn("edSchoolCertificate2", fixed(326), 400, 370, 6),
             titleColumn("edPresentDateCertificate", fixed(150), 75, 90, 6),
             titleColumn("edStudentCertificate1", fixed(165), 400, 370, 6),
             titleColumn("edStudentCertificate2", fixed(190), 400, 370, 6),
             titleColumn("edQualifyCertificate1", fixed(226), 10, 370, 6),
             titleColumn("edQualifyCertificate2", fixed(251), 10, 370, 6),
             titleColumn("edQualifyCertificate3", fixed(277), 10, 370, 6),
             titleColumn("edQualifyCertificate4", fixed(302), 10, 370, 6),
             titleColumn("edQualifyCertificate5", fixed(328), 10, 370, 6),
             titleColumn("edRegNoCertificate", fixed(406), 425, 190, 4),
             titleColumn("edDateOutCertificate", fixed(432), 405, 90, 4),
             // The boxes the older blanks do not have.
             titleColumn("edStudentCertificate3", fixed(215), 400, 370, 6),
             titleColumn("edSchoolCertificate3", fixed(351), 400, 370, 6),
             titleColumn("edSchoolCertificate4", fixed(376), 400, 370, 6),
             titleColumn("edPresentDateCertificate1", fixed(150), 265, 30, 4),
             titleColumn("edPresentDateCertificate2", fixed(150), 175, 80, 4),
             titleColumn("edDateOutCertificate1", fixed(432), 610, 40, 4),
             titleColumn("edDateOutCertificate2", fixed(432), 505, 95, 4),
             titleColumn("edPredGosAttComCert", fixed(376), -10, 220, 6),
             titleColumn("edRukObrazUchCert", fixed(404), -10, 220, 6),
         }},

    };
    return layout;
}
// clang-format on

// Bold and italic follow the sheet's two switches on every box but the registration number
// and, on the older blanks, the date of issue.
enum class Styled : std::uint8_t { No, Yes, Edition2 };

struct Style {
    std::string_view role;
    Styled styled;
};

constexpr Style kStyles[] = {
    {"edTownCertificate0", Styled::Yes},        {"edTownCertificate", Styled::Yes},
    {"edSchoolCertificate1", Styled::Yes},      {"edSchoolCertificate2", Styled::Yes},
    {"edSchoolCertificate3", Styled::Yes},      {"edSchoolCertificate4", Styled::Yes},
    {"edPresentDateCertificate1", Styled::Yes}, {"edPresentDateCertificate2", Styled::Yes},
    {"edPresentDateCertificate", Styled::Yes},  {"edStudentCertificate1", Styled::Yes},
    {"edStudentCertificate2", Styled::Yes},     {"edStudentCertificate3", Styled::Yes},
    {"edQualifyCertificate1", Styled::Yes},     {"edQualifyCertificate2", Styled::Yes},
    {"edQualifyCertificate3", Styled::Yes},     {"edQualifyCertificate4", Styled::Yes},
    {"edQualifyCertificate5", Styled::Yes},     {"edRegNoCertificate", Styled::No},
    {"edDateOutCertificate1", Styled::Yes},     {"edDateOutCertificate2", Styled::Yes},
    {"edDateOutCertificate", Styled::Edition2}, {"edPredGosAttComCert", Styled::Yes},
    {"edRukObrazUchCert", Styled::Yes},
};

const std::vector<SizeRule>& sizeRules() {
    constexpr auto kCorr = Correction::SmallFont;
    static const std::vector<SizeRule> rules{
        {{}, &S::FontSizeCertificateTown, {"edTownCertificate0", "edTownCertificate"}, kCorr},
        {{}, &S::FontSizeCertificateSchool, lineRoles("edSchoolCertificate", 1, 2), kCorr},
        {{kEd2}, &S::FontSizeCertificateSchool, lineRoles("edSchoolCertificate", 3, 4), kCorr},
        {{}, &S::FontSizeCertificateQualify, lineRoles("edQualifyCertificate", 1, 5), kCorr},
    };
    return rules;
}

constexpr std::array<MarkPlace, 2> kDuplicate{{
    {520, 18, 220, 18, 0},
    {0, 110, 18, 220, 6},
}};

}  // namespace

SheetBoxes placeCertificate(TReport& report, const Document& doc, const Settings& s, int variant,
                            int edition) {
    // Only item 1 is the landscape blank; no item chosen prints on the portrait one.
    const bool landscape = variant == 1;
    SheetBoxes boxes =
        beginTitleSheet(report, doc.flag(Flag::cbCopySignDbl), kDuplicate[landscape ? 1 : 0]);
    const LayoutKey key{layoutEdition(edition), landscape ? kLandscape : 0u};
    const std::vector<BoxRow> rows = selectRows(certificateLayout(), key);
    placeRows(boxes, s, rows);
    applyRowAdjust(boxes, s, rows);
    return boxes;
}

void fillCertificate(const SheetBoxes& boxes, const Document& doc, const Settings& s, int edition,
                     bool bold, bool italic) {
    edition = layoutEdition(edition);

    // The duplicate mark keeps its own bold italic; the switches style the entries only.
    for (const Style& st : kStyles) {
        TTextBox* box = boxes.find(st.role);
        if (box && (st.styled == Styled::Yes || (st.styled == Styled::Edition2 && edition == 2))) {
            setBold(*box, bold);
            setItalic(*box, italic);
        }
    }

    shiftSheet(boxes, s.CertificateDeltaX, s.CertificateDeltaY, 0, 0, MarkShift::WithSheet);
    applySizeRules(boxes, s, sizeRules(), LayoutKey{edition, 0});

    // The certificate has no switch for the line above the town: it always prints.
    putFieldLines(boxes, doc);
}

void layoutCertificate(const Document& doc, const Settings& settings, const SheetOptions& options,
                       TReport& report) {
    const int variant = options.certVariant.value_or(doc.choice(Choice::rgProfEduTypeCert));
    const bool bold = options.certBold.value_or(doc.flag(Flag::cbBold_Certificate));
    const bool italic = options.certItalic.value_or(doc.flag(Flag::cbItalic_Certificate));
    const int edition = layoutEdition(settings.VellexVersion);
    const SheetBoxes boxes = placeCertificate(report, doc, settings, variant, edition);
    fillCertificate(boxes, doc, settings, edition, bold, italic);
}

}  // namespace vellex
