#include "model/settings.h"

#include "model/document.h"

namespace vellex {

int Settings::rowsPage2() const {
    return rowsForMode(mode_N_Discipl);
}

std::string Settings::defaultDisciplinesFileName() const {
    return programDir + "disciplines.csv";
}

}  // namespace vellex
