#pragma once

#include "model/document.h"
#include "model/settings.h"
#include "text/dates.h"

// The state of the document's choices and flags that follows from the settings, at
// start-up and whenever settings are applied again, kept out of the window so that the
// window and the command-line printer start from the same document.
namespace vellex {

// What reading a settings file puts into the document: the diploma flags, rgProfEduType
// and cbCopySignDbl (always equal to cbCopySign). When `fileRead` is false (the file was
// missing or unreadable) the certificate's style flags are cleared and its blank is the
// portrait one. Once the diploma page has been switched to a version, a new diploma type
// also sets the academic certificate's type (`diplomaSwitched`).
void applyReadSettings(Document& doc, const Settings& s, bool fileRead, bool diplomaSwitched);

// The academic certificate's type follows the diploma type: "СПО" for the СПО types (0
// and 2), "НПО" for the НПО types (1 and 3).
void followProfEduType(Document& doc);

// Choosing the academic certificate's type sets the diploma type to the same education,
// keeping the paper orientation of the diploma type chosen before.
void chooseAcademType(Document& doc, int item);

// The choices that applying the variants sets. `switchPages` tells whether the pages are
// switched to the settings' version this time (at start-up: only when the version is
// above 0). Under version 2 the switched supplement pages take six institution lines and
// three qualification lines; under any version above 0 the NPO page ends on three
// qualification lines, mirrored into the SPO page.
void applyVariantChoices(Document& doc, const Settings& s, bool switchPages);

// Activation of the main window: the stored line modes replace whatever the operator
// chose in rgSchool and rgQualify (each mirrored into its NPO twin).
void applyStoredLineModes(Document& doc, const Settings& s);

// The document as creating the main window leaves it, after the settings have been read
// into `s` (`settingsRead`: whether "App.ini" was there): flags and diploma type from the
// settings, the page-2 table built for mode_N_Discipl, cbTrial on "прошел", the variants
// applied and today's date in the date fields.
void applyCreationState(Document& doc, const Settings& s, bool settingsRead, const Date& today);

// The settings values start-up fixes whatever "App.ini" says: the student list's
// birth-date format starts as "dd.mm.yy" at every start.
void applyStartupSettings(Settings& s);

// The document as the main window shows it once it is up: the creation state followed by
// the first activation. The window runs the two steps at their own moments; a program
// without a window calls this.
void applyStartupState(Document& doc, const Settings& s, bool settingsRead, const Date& today);

}  // namespace vellex
