#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/document.h"
#include "model/settings.h"

// Everything the layout settings dialog decides, without a window: which setting each
// field edits and in what range, the presets of the row mode and the version, the captions
// that follow the version, and the tab the dialog opens on. The dialog only shows it.
namespace vellex {

struct SpinRange {
    int min;
    int max;
    int step = 1;
};

inline constexpr SpinRange kShiftRange{-500, 500};
inline constexpr SpinRange kFontRange{3, 20};
inline constexpr SpinRange kDoubleShiftRange{-10, 10};
inline constexpr SpinRange kDoubleEveryRange{2, 100, 2};

// A value outside the range becomes the nearest bound.
int clampToRange(int value, SpinRange range);

// The value of a field's text: a whole number clamped into the range; an emptied field or
// anything that is not a number keeps `previous` (clamped), so that a slip of the keyboard
// never moves every entry to the edge of the range.
int readSpinText(std::string_view text, SpinRange range, int previous);

// How a number field meets the settings.
enum class SpinBinding {
    Stored,     // loaded from and stored into `member`
    ShownOnly,  // shows `member` on opening but never stores it
    RightPart,  // the right part's first pair: its setting depends on the version
};

struct SpinField {
    std::string_view name;  // objectName of the field
    SpinRange range;
    SpinBinding binding;
    int Settings::*member;  // nullptr for the right part's first pair
    std::string_view twin;  // the field that always shows the same value, or ""
};

// Every number field of the dialog, tab by tab.
std::span<const SpinField> settingsSpinFields();
const SpinField* findSpinField(std::string_view name);

// Every check box of the dialog bound to a setting, by objectName.
std::span<const std::string_view> settingsCheckBoxes();

// The tabs, in the dialog's order.
enum class SettingsTab {
    General,
    Diploma,
    SupplementSpo,
    SupplementNpo,
    SupplementShifts,
    Page2,
    Academic,
    Certificate,
    CertSupplement,
};
inline constexpr int kSettingsTabCount = 9;

// The tab's caption (UTF-8), as the operator sees it.
std::string_view settingsTabCaption(SettingsTab tab);

// The start tab number the menu command passes: no particular tab.
inline constexpr int kSettingsMenuStartTab = 255;

// The start tab number of the toolbar button on a main-window page.
int settingsStartTabForPage(Page current);

// The tab a start tab number names: 0 diploma … 6 certificate supplement, else "Общие".
SettingsTab settingsTabForStartNumber(int startTab);

// The tab the dialog opens on: the start tab with "Позиция" ticked, "Общие" otherwise.
SettingsTab settingsOpeningTab(int startTab, bool positionTab);

// Captions (UTF-8), enabled and visible states that follow the version and the row mode.
// A caption belongs to a field's label (keyed by the field's name) or to a group box.
struct SettingsDialogLook {
    std::vector<std::pair<std::string_view, std::string_view>> captions;
    std::vector<std::pair<std::string_view, bool>> enabled;
    std::vector<std::pair<std::string_view, bool>> visible;
};
SettingsDialogLook settingsDialogLook(int version, int rowMode);

// Group names the look refers to.
inline constexpr std::string_view kGroupRightApp = "gbRightApp";
inline constexpr std::string_view kGroupSpoLeftFonts = "gbSpoLeftFonts";
inline constexpr std::string_view kGroupNpoLeftFonts = "gbNpoLeftFonts";
inline constexpr std::string_view kGroupDoubleRows = "gbDoubleStr";
inline constexpr std::string_view kGroupAcademColumns = "gbAcademColumns";

// The three-line notice shown when "2007 / 2008" is chosen (UTF-8).
extern const std::string_view kVersion1Notice;

// What the dialog's controls hold while it is open. Built from the settings as the dialog
// becomes active; stored back by OK.
class SettingsDialogLogic final {
  public:
    explicit SettingsDialogLogic(const Settings& s);

    int spin(std::string_view name) const;
    // Sets a field (clamped into its range); its twin follows.
    void setSpin(std::string_view name, int value);
    // A field's typed text; not a number reads as the lower bound.
    void setSpinText(std::string_view name, std::string_view text);

    bool check(std::string_view name) const;
    void setCheck(std::string_view name, bool on);

    int version() const { return version_; }
    int rowMode() const { return rowMode_; }  // -1: a stored mode with no item
    int saveStyle() const { return saveStyle_; }
    void setSaveStyle(int style) { saveStyle_ = style; }
    bool positionTab() const { return check("cbPosTab"); }

    // `SetRGoxAppClick`: presets the page-2 fields for the mode.
    void clickRowMode(int mode);

    // `rgVellexVersionClick`: row mode, column shifts and the fields that change meaning
    // with the version. Returns the notice to show (UTF-8), or "".
    std::string_view clickVersion(int version);

    SettingsDialogLook look() const { return settingsDialogLook(version_, rowMode_); }

    // OK: every field into its setting.
    void store(Settings& s) const;

  private:
    std::map<std::string, int, std::less<>> spins_;
    std::map<std::string, bool, std::less<>> checks_;
    int version_ = 2;
    int rowMode_ = 3;
    int saveStyle_ = 0;
    // The right part's first pair holds either the shifts (versions 0, 1) or the line
    // distances (version 2); the set not on show waits here so that a change of version
    // in the dialog neither mixes them up nor loses an edit.
    std::array<int, 2> otherRightPair_{};
};

}  // namespace vellex
