#include "model/program_layout.h"

namespace vellex {

std::span<const DiplomaFlagKey> diplomaFlagKeys() {
    static constexpr DiplomaFlagKey kKeys[] = {
        {Flag::cbBold_Diplom1, &Settings::Bold_Diplom1},
        {Flag::cbBold_Diplom2, &Settings::Bold_Diplom2},
        {Flag::cbBold_Diplom3, &Settings::Bold_Diplom3},
        {Flag::cbBold_Diplom4, &Settings::Bold_Diplom4},
        {Flag::cbBold_Diplom5, &Settings::Bold_Diplom5},
        {Flag::cbItalic_Diplom, &Settings::Italic_Diplom},
        {Flag::cbAddLineUp_Diplom, &Settings::AddLineUp_Diplom},
        {Flag::cbCopySign, &Settings::CopySign},
    };
    return kKeys;
}

Settings withDocumentChoices(Settings s, const Document& doc) {
    for (const DiplomaFlagKey& k : diplomaFlagKeys())
        s.*k.key = doc.flag(k.flag);
    s.ProfEduType = doc.choice(Choice::rgProfEduType);
    s.SchoolMode = doc.choice(Choice::rgSchool);
    s.QualifyMode = doc.choice(Choice::rgQualify);
    return s;
}

ProgramLayout ProgramLayout::of(const Settings& s) {
    return {s.VellexVersion, s.SaveStyle, s.mode_N_Discipl};
}

Settings ProgramLayout::appliedTo(Settings s) const {
    s.VellexVersion = vellexVersion;
    s.SaveStyle = saveStyle;
    s.mode_N_Discipl = rowMode;
    return s;
}

void ProgramLayout::takeChosen(const Settings& before, const Settings& after) {
    if (after.VellexVersion != before.VellexVersion)
        vellexVersion = after.VellexVersion;
    if (after.SaveStyle != before.SaveStyle)
        saveStyle = after.SaveStyle;
    if (after.mode_N_Discipl != before.mode_N_Discipl)
        rowMode = after.mode_N_Discipl;
}

}  // namespace vellex
