#include "model/program_layout.h"

namespace vellex {

Settings withDocumentChoices(Settings s, const Document& doc) {
    s.Bold_Diplom1 = doc.flag(Flag::cbBold_Diplom1);
    s.Bold_Diplom2 = doc.flag(Flag::cbBold_Diplom2);
    s.Bold_Diplom3 = doc.flag(Flag::cbBold_Diplom3);
    s.Bold_Diplom4 = doc.flag(Flag::cbBold_Diplom4);
    s.Bold_Diplom5 = doc.flag(Flag::cbBold_Diplom5);
    s.Italic_Diplom = doc.flag(Flag::cbItalic_Diplom);
    s.AddLineUp_Diplom = doc.flag(Flag::cbAddLineUp_Diplom);
    s.CopySign = doc.flag(Flag::cbCopySign);
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
