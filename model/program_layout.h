#pragma once

#include <span>

#include "model/document.h"
#include "model/settings.h"

// What the main window writes into "App.ini" besides the settings themselves.
namespace vellex {

// The diploma's flags and the "App.ini" keys that keep them between runs: bold per line,
// italic, top line, copy mark. Start-up reads them into the document, closing writes back.
struct DiplomaFlagKey {
    Flag flag;
    bool Settings::*key;
};
std::span<const DiplomaFlagKey> diplomaFlagKeys();

// The settings with the choices the window keeps in its controls: the diploma's bold,
// italic, top-line and copy flags, the diploma type and the two line modes.
Settings withDocumentChoices(Settings s, const Document& doc);

// The layout "App.ini" keeps for the program. An opened document's own edition, table
// order and row mode are shown while it is open but never stored as the program's; only
// what the user chose in the settings dialog becomes the program's layout.
struct ProgramLayout {
    int vellexVersion = 0;
    int saveStyle = 0;
    int rowMode = 0;

    static ProgramLayout of(const Settings& s);
    // `s` with the program's layout in place of the one in force.
    Settings appliedTo(Settings s) const;
    // After the settings dialog: each value the dialog changed (`before` → `after`)
    // becomes the program's.
    void takeChosen(const Settings& before, const Settings& after);
};

}  // namespace vellex
