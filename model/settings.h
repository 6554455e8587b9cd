#pragma once

#include <string>

// The print layout and program options kept in "App.ini" (and, with EachSaveSet on, in a
// settings file beside each document). One member per key, named exactly by the key;
// storage/settings.h reads and writes them.
namespace vellex {

// Alignment codes of a text box, as the "Adjust…" keys select them.
inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignCenter = 2;

// Every key once, in the order of writing: X(section, key, type, default).
//   Int    — decimal integer; text that is not a number counts as missing.
//   Bool   — "1"/"0"; any non-zero integer reads as true.
//   Str    — CP1251 text as it stands.
//   Align  — a boolean in the file, held as kAlignCenter (true) or kAlignLeft (false).
//   AlignRight — one boolean in the file for the right parts of the four first pages that
//            have one; held as four codes, <key>1, <key>4, <key>5, <key>7 by sheet number
//            (SPO supplement, academic certificate, NPO supplement, certificate
//            supplement). It is written from the code of sheet 1.
// Rows in section "Settings" after the "Adjust" block are the choices that live in the
// main window's controls; they are written last, as the window stores them on closing.
#define VELLEX_SETTINGS(X)                             \
    X("Program", Path2CSV, Str, "")                    \
    X("Program", SplitField, Str, ";")                 \
    X("Program", MaxSymbols, Int, 80)                  \
    X("Program", DateFormatBirthDay, Str, "dd.mm.yy")  \
    X("Program", DisciplinesFileName, Str, "")         \
    X("Settings", modePositionTab, Bool, true)         \
    X("Settings", DiplomDeltaX, Int, 0)                \
    X("Settings", DiplomDeltaY, Int, 0)                \
    X("Settings", FontSizeDiplomTown, Int, 10)         \
    X("Settings", FontSizeDiplomSchool, Int, 10)       \
    X("Settings", FontSizeDiplomQualify, Int, 10)      \
    X("Settings", FontSizeDiplomSpecialicy, Int, 10)   \
    X("Settings", FontSizeDiplomRukPred, Int, 10)      \
    X("Settings", DeltaX1, Int, 0)                     \
    X("Settings", DeltaX2, Int, 0)                     \
    X("Settings", DeltaX4, Int, 0)                     \
    X("Settings", DeltaY1, Int, 0)                     \
    X("Settings", DeltaY2, Int, 0)                     \
    X("Settings", DeltaY4, Int, 0)                     \
    X("Settings", DoubleStrDeltaY1, Int, 1)            \
    X("Settings", DoubleStrForEach1, Int, 4)           \
    X("Settings", DoubleStrDeltaY2, Int, 1)            \
    X("Settings", DoubleStrForEach2, Int, 12)          \
    X("Settings", DeltaXColumn2, Int, 0)               \
    X("Settings", DeltaXColumn3, Int, 0)               \
    X("Settings", DeltaYsign2, Int, 0)                 \
    X("Settings", DeltaXColumn42, Int, 0)              \
    X("Settings", DeltaXColumn43, Int, 0)              \
    X("Settings", DeltaXRightApp, Int, 0)              \
    X("Settings", DeltaYRightApp, Int, 0)              \
    X("Settings", mode_N_Discipl, Int, 3)              \
    X("Settings", ColsHeight, Int, 17)                 \
    X("Settings", ColsDeltaH, Int, 16)                 \
    X("Settings", FontSizeColumn12, Int, 10)           \
    X("Settings", FontSizeColumn3, Int, 10)            \
    X("Settings", FontSizeAppTown, Int, 10)            \
    X("Settings", FontSizeAppSchool, Int, 10)          \
    X("Settings", FontSizeAppQualify, Int, 10)         \
    X("Settings", FontSizeApp5Qualify, Int, 10)        \
    X("Settings", FontSizeAppSpecRight, Int, 10)       \
    X("Settings", FontSizeApp5SpecRight, Int, 10)      \
    X("Settings", FontSizeAppCourseWork, Int, 10)      \
    X("Settings", FontSizeAppPraktic, Int, 10)         \
    X("Settings", FontSizeAppNameDiplPrj, Int, 10)     \
    X("Settings", FontSizeAppExamMore, Int, 10)        \
    X("Settings", FontSizeApp5ExamMore, Int, 10)       \
    X("Settings", FontSizeColumn3Academ, Int, 10)      \
    X("Settings", FontSizeAppTown4, Int, 10)           \
    X("Settings", FontSizeAppSchool4, Int, 10)         \
    X("Settings", FontSizeApp4Reason, Int, 10)         \
    X("Settings", DeltaXRightAcademApp, Int, 0)        \
    X("Settings", DeltaYRightAcademApp, Int, 0)        \
    X("Settings", CertificateDeltaX, Int, 0)           \
    X("Settings", CertificateDeltaY, Int, 0)           \
    X("Settings", FontSizeCertificateTown, Int, 10)    \
    X("Settings", FontSizeCertificateSchool, Int, 10)  \
    X("Settings", FontSizeCertificateQualify, Int, 10) \
    X("Settings", DeltaX7, Int, 0)                     \
    X("Settings", DeltaY7, Int, 0)                     \
    X("Settings", DeltaXColumn72, Int, 0)              \
    X("Settings", DeltaXColumn73, Int, 0)              \
    X("Settings", DeltaXRightCertApp, Int, 0)          \
    X("Settings", DeltaYRightCertApp, Int, 0)          \
    X("Settings", FontSizeColumn3Cert, Int, 10)        \
    X("Settings", FontSizeApp7Town, Int, 9)            \
    X("Settings", FontSizeApp7School, Int, 9)          \
    X("Settings", FontSizeApp7Qualify, Int, 9)         \
    X("Settings", _deltaLine0, Int, 33)                \
    X("Settings", _deltaLine, Int, 32)                 \
    X("Settings", _deltaH1, Int, 13)                   \
    X("Settings", _deltaH2, Int, 10)                   \
    X("Settings", midDeltaYDiplom1, Int, 0)            \
    X("Settings", midDeltaYDiplom2, Int, 0)            \
    X("Settings", midDeltaYDiplom3, Int, 0)            \
    X("Settings", midDeltaYDiplom4, Int, 0)            \
    X("Settings", midDeltaYDiplom5, Int, 0)            \
    X("Settings", midDeltaYLeft1App1, Int, 0)          \
    X("Settings", midDeltaYLeft2App1, Int, 0)          \
    X("Settings", midDeltaYLeft3App1, Int, 0)          \
    X("Settings", midDeltaYLeft4App1, Int, 0)          \
    X("Settings", midDeltaYLeft5App1, Int, 0)          \
    X("Settings", midDeltaYRight1App1, Int, 0)         \
    X("Settings", midDeltaYRight2App1, Int, 0)         \
    X("Settings", midDeltaYCert1, Int, 0)              \
    X("Settings", midDeltaYCert2, Int, 0)              \
    X("Settings", midDeltaYCert3, Int, 0)              \
    X("Settings", midDeltaYCert4, Int, 0)              \
    X("Adjust", AdjustTown, Align, true)               \
    X("Adjust", AdjustSchool, Align, true)             \
    X("Adjust", AdjustStudent, Align, true)            \
    X("Adjust", AdjustBirthDay, Align, true)           \
    X("Adjust", AdjustAudTime, Align, true)            \
    X("Adjust", AdjustLinesAppRight, AlignRight, true) \
    X("Adjust", AdjustLinesApp1, Align, true)          \
    X("Adjust", AdjustLinesApp4, Align, true)          \
    X("Adjust", AdjustLinesApp5, Align, true)          \
    X("Adjust", AdjustLinesApp7, Align, true)          \
    X("Settings", VellexVersion, Int, 2)               \
    X("Settings", SaveStyle, Int, 0)                   \
    X("Settings", FontYcorr, Bool, false)              \
    X("Settings", EachSaveSet, Bool, false)            \
    X("Settings", MainHeigh, Int, 480)                 \
    X("Settings", MainWidth, Int, 600)                 \
    X("Settings", PreviewWidth, Int, 900)              \
    X("Settings", PreviewHeight, Int, 1000)            \
    X("Settings", PreviewZoom, Int, 8)                 \
    X("Settings", Bold_Diplom1, Bool, false)           \
    X("Settings", Bold_Diplom2, Bool, false)           \
    X("Settings", Bold_Diplom3, Bool, false)           \
    X("Settings", Bold_Diplom4, Bool, false)           \
    X("Settings", Bold_Diplom5, Bool, false)           \
    X("Settings", Italic_Diplom, Bool, false)          \
    X("Settings", AddLineUp_Diplom, Bool, false)       \
    X("Settings", CopySign, Bool, false)               \
    X("Settings", ProfEduType, Int, 0)                 \
    X("Settings", SchoolMode, Int, 1)                  \
    X("Settings", QualifyMode, Int, 1)

#define VELLEX_SETTING_MEMBER_Int(key, def) int key = def;
#define VELLEX_SETTING_MEMBER_Bool(key, def) bool key = def;
#define VELLEX_SETTING_MEMBER_Str(key, def) std::string key = def;
#define VELLEX_SETTING_MEMBER_Align(key, def) int key = (def) ? kAlignCenter : kAlignLeft;
#define VELLEX_SETTING_MEMBER_AlignRight(key, def)                             \
    int key##1 = (def) ? kAlignCenter : kAlignLeft; /* SPO supplement */       \
    int key##4 = (def) ? kAlignCenter : kAlignLeft; /* academic certificate */ \
    int key##5 = (def) ? kAlignCenter : kAlignLeft; /* NPO supplement */       \
    int key##7 = (def) ? kAlignCenter : kAlignLeft; /* certificate supplement */
#define VELLEX_SETTING_MEMBER(section, key, type, def) VELLEX_SETTING_MEMBER_##type(key, def)

// A default-constructed record holds the defaults of the key table.
struct Settings {
    VELLEX_SETTINGS(VELLEX_SETTING_MEMBER)

    // Values without a key: NPO page-1 font sizes set in the layout dialog and kept only
    // while the program runs.
    int FontSizeApp5Praktic = 10;
    int FontSizeApp5NameDiplPrj = 10;
    int FontSizeApp5Examen = 10;

    // Not a key: the program's folder (CP1251, with a trailing separator). A missing
    // "DisciplinesFileName" becomes this folder + "disciplines.csv".
    std::string programDir;

    // Rows of the page-2 table for mode_N_Discipl.
    int rowsPage2() const;

    // The default discipline list file: programDir + "disciplines.csv".
    std::string defaultDisciplinesFileName() const;
};

#undef VELLEX_SETTING_MEMBER
#undef VELLEX_SETTING_MEMBER_Int
#undef VELLEX_SETTING_MEMBER_Bool
#undef VELLEX_SETTING_MEMBER_Str
#undef VELLEX_SETTING_MEMBER_Align
#undef VELLEX_SETTING_MEMBER_AlignRight

}  // namespace vellex
