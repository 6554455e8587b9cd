#include "model/line_modes.h"

namespace vellex {

LineModeLayout lineModeLayout(const Document& doc, int spoVersion, int npoVersion) {
    LineModeLayout out;
    const bool sixSchool = doc.choice(Choice::rgSchool) == 1;
    const bool sixSchoolNpo = doc.choice(Choice::rgSchoolNPO) == 1;
    out.lines = {{Field::edSchool5, sixSchool},
                 {Field::edSchool6, sixSchool},
                 {Field::edSchoolNPO5, sixSchoolNpo},
                 {Field::edSchoolNPO6, sixSchoolNpo}};
    const bool threeQualify = doc.choice(Choice::rgQualify) == 1;
    const bool threeQualifyNpo = doc.choice(Choice::rgQualifyNPO) == 1;
    const bool spo2 = spoVersion == 2;
    const bool npo2 = npoVersion == 2;
    if (!(spo2 && threeQualify)) {
        out.lines.push_back({Field::edQualify2, threeQualify});
        out.lines.push_back({Field::edQualify3, threeQualify});
    }
    if (!(npo2 && threeQualifyNpo)) {
        out.lines.push_back({Field::edQualifyNPO3, threeQualifyNpo});
    }
    if (!spo2) {
        out.specialtyDropSpo = threeQualify ? 44 : 0;
    }
    if (!npo2) {
        out.specialtyDropNpo = threeQualifyNpo ? 22 : 0;
    }
    return out;
}

std::optional<bool> diplomaTopLineShown(const Document& doc, int diplomaVersion) {
    if (diplomaVersion < 2) {
        return doc.flag(Flag::cbAddLineUp_Diplom);
    }
    return std::nullopt;
}

}  // namespace vellex
