#include "model/startup_state.h"

#include "model/program_layout.h"

#include "model/date_fields.h"

namespace vellex {
namespace {

constexpr int kSpo = 0;
constexpr int kNpo = 1;
constexpr int kLandscapeOffset = 2;  // "СПО (Альбомный лист)", "НПО (Альбомный лист)"
constexpr int kSixSchoolLines = 1;
constexpr int kThreeQualifyLines = 1;
constexpr int kTrialPassed = 0;  // "прошел"

}  // namespace

void followProfEduType(Document& doc) {
    const int type = doc.choice(Choice::rgProfEduType);
    if (type < 0) {
        return;
    }
    doc.setChoice(Choice::rgProfEduTypeAcadem, type % kLandscapeOffset == kSpo ? kSpo : kNpo);
}

void chooseAcademType(Document& doc, int item) {
    doc.setChoice(Choice::rgProfEduTypeAcadem, item);
    const int academ = doc.choice(Choice::rgProfEduTypeAcadem);
    if (academ < 0) {
        return;
    }
    const bool landscape = doc.choice(Choice::rgProfEduType) >= kLandscapeOffset;
    doc.setChoice(Choice::rgProfEduType, academ + (landscape ? kLandscapeOffset : 0));
}

void applyReadSettings(Document& doc, const Settings& s, bool fileRead, bool diplomaSwitched) {
    for (const DiplomaFlagKey& fk : diplomaFlagKeys()) {
        doc.setFlag(fk.flag, s.*fk.key);
    }
    doc.setChoice(Choice::rgProfEduType, s.ProfEduType);
    if (diplomaSwitched) {
        followProfEduType(doc);
    }
    if (!fileRead) {
        doc.setFlag(Flag::cbBold_Certificate, false);
        doc.setFlag(Flag::cbItalic_Certificate, false);
        doc.setChoice(Choice::rgProfEduTypeCert, 0);
    }
    // The certificate page's "Дубликат" box is the same setting as the diploma's.
    doc.setFlag(Flag::cbCopySignDbl, doc.flag(Flag::cbCopySign));
}

void applyVariantChoices(Document& doc, const Settings& s, bool switchPages) {
    if (switchPages) {
        // The diploma switch ends with the diploma type's own rule.
        followProfEduType(doc);
        if (s.VellexVersion == 2) {
            // The 2010/2011 supplement blanks always have room for six institution lines
            // and three qualification lines (the twins follow through setChoice).
            doc.setChoice(Choice::rgSchool, kSixSchoolLines);
            doc.setChoice(Choice::rgQualify, kThreeQualifyLines);
            doc.setChoice(Choice::rgSchoolNPO, kSixSchoolLines);
            doc.setChoice(Choice::rgQualifyNPO, kThreeQualifyLines);
        }
    }
    if (s.VellexVersion > 0) {
        doc.setChoice(Choice::rgQualifyNPO, kThreeQualifyLines);
    }
}

void applyStoredLineModes(Document& doc, const Settings& s) {
    doc.setChoice(Choice::rgSchool, s.SchoolMode);
    doc.setChoice(Choice::rgQualify, s.QualifyMode);
}

void applyCreationState(Document& doc, const Settings& s, bool settingsRead, const Date& today) {
    // No page has been switched yet, so the diploma type does not reach the academic page.
    applyReadSettings(doc, s, settingsRead, /*diplomaSwitched=*/false);
    doc.rebuildPage2(rowsForMode(s.mode_N_Discipl));
    doc.setChoice(Choice::cbTrial, kTrialPassed);
    applyVariantChoices(doc, s, /*switchPages=*/s.VellexVersion > 0);
    fillStartupDateFields(doc, s.VellexVersion, today);
}

void applyStartupSettings(Settings& s) {
    s.DateFormatBirthDay = "dd.mm.yy";
}

void applyStartupState(Document& doc, const Settings& s, bool settingsRead, const Date& today) {
    applyCreationState(doc, s, settingsRead, today);
    applyStoredLineModes(doc, s);
}

}  // namespace vellex
