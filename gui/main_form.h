#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>

#include "gui/file_association.h"
#include "gui/page_builder.h"
#include "gui/page_variants.h"
#include "lists/copy_commands.h"
#include "lists/user_message.h"
#include "model/blank_place.h"
#include "model/document.h"
#include "model/grade_list.h"
#include "model/program_layout.h"
#include "print/sheet.h"
#include "report/report.h"
#include "storage/document_file.h"
#include "storage/settings.h"

class QLineEdit;
class QTabWidget;
class QToolButton;
class QGroupBox;
class QTimer;

namespace vellex {

class Clock;
class RecoveryCopy;
struct SettingsDialogResult;

// What the window takes from outside at start-up; tests and benchmarks replace parts.
struct MainFormOptions {
    std::filesystem::path programDir;   // empty: the program's own folder (ownSettingsFolder)
    QStringList arguments;              // the command line after the program's name
    std::filesystem::path programPath;  // registered as the ".app" handler; empty: this program
    bool registerAssociation = true;
    std::optional<AssociationFolders> associationFolders;  // empty: from the environment
    const Clock* clock = nullptr;                          // empty: the computer's calendar
};

// The main window: the eight document pages, the menu, the toolbar and the student list
// box. The Document is the single source of truth: widgets push what is typed into it
// and every command ends by refreshing the widgets from it.
class TMainForm final : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(MainFormOptions options = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    Document& document() { return doc_; }
    Settings& settings() { return settings_; }
    const std::filesystem::path& programDir() const { return programDir_; }
    const std::filesystem::path& documentFileName() const { return documentFileName_; }
    const GradeList& gradeList() const { return gradeList_; }
    const PageWidgets& pageWidgets() const { return widgets_; }
    // The sheet code the last print command recorded: the sheet number of a supplement
    // sheet, the chosen variant for the diploma and the certificate; -1 before any.
    int sheetCode() const { return sheetCode_; }

    // Shows every text, cell, flag and choice of the document.
    void refreshFromDocument();
    // After the page-2 row mode changed: frees the page-2 table and builds an empty one
    // of the new row count; the other tables keep their contents.
    void rebuildPage2();

    // The reading and writing steps of the open and save commands, without the dialogs.
    // A failure is shown in Russian with its cause and changes nothing.
    bool openDocument(const std::filesystem::path& path, DocumentLayout layout, bool rows86);
    bool saveDocument(const std::filesystem::path& path);

    // The name the save dialog proposes.
    QString proposedSaveName() const;

    // Whether the user changed the document since it was started, opened or saved.
    bool isModified() const;
    // Before the document is closed or replaced: when it was changed, asks «Сохранить
    // изменения в документе?»; true when the caller may go on (saved, or «Нет»).
    bool maySetDocumentAside();

    // While the document is changed, keeps a recovery copy of it in the settings folder
    // (every minute and when the desktop session ends); removes the copy once nothing
    // would be lost. False when the copy could not be written.
    bool keepRecoveryCopy();
    const std::filesystem::path& recoveryCopyPath() const;
    // A copy left by a window that is gone: asks «Найдены несохранённые данные (…).
    // Восстановить?» for each, newest first; «Да» loads it as a changed, unnamed
    // document, «Нет» removes it.
    void offerRecovery();
    // A termination signal: the recovery copy and "App.ini" are written without a
    // question and the program ends.
    void shutDownWithoutQuestions();

    // A test replaces the preview with this hook (it receives the prepared page).
    using PreviewHook = std::function<void(const TReport&)>;
    static void setPreviewHook(PreviewHook hook);

    // Commands, named after their controls.
    void mnOpenClick();
    void mnOpenOldInNewClick();
    void mnOpenOldInNew2Click();
    void mnOpenOldInNew3Click();
    void mnOpenOldInNew4Click();
    void mnRunConverterClick();
    void mnSaveClick();
    void mnPrintSheetDiplomClick();
    void mnPrintSheet1Click();
    void mnPrintSheet2Click();
    void mnPrintSheet8Click();
    void mnPrintSheet4Click();
    void mnPrintSheet5Click();
    void mnPrintSheetCertificateClick();
    void mnPrintSheet7Click();
    void mnExitClick();
    void mnCopyDiplomDataToAppsClick();
    void mnCopyAppSPODataToAppNPOClick();
    void mnCopyAppNPODataToAppSPOClick();
    void mnCopyAppSPODataToDiplomClick();
    void mnCopyAppNPODataToDiplomClick();
    void mnCopyCertificateDataToCertAppsClick();
    void mnSettingsClick();
    void sbtSetClick();
    void mnStudentsListClick();
    void bbtnPutStudentToListClick();
    void mnDisciplinesListClick();
    void mnResultsListClick();
    void mnListParamClick();
    void mnAboutClick();

    // The page switches: each shows its page as the blank of `version` looks.
    void SwitchDiplomVersion(int version);
    void SwitchVellexVersion(int version);
    void SwitchVellexVersionNPO(int version);
    void SwitchVellexVersionPage2(int version);
    void SwitchVellexVersionPage3(int version);
    void SwitchAcademVersion(int version);
    void SwitchCertificateVersion(int version);
    void SwitchCertAppendVersion(int version);
    // The blank version a page shows (0 until it is switched).
    int pageVersion(Page page) const { return pageVersion_[static_cast<size_t>(page)]; }
    void edPath2CSVAfterDialog();
    void btnAddExamMoreFromMemoClick();
    void btnAddExamMoreFromMemoNPOClick();

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void FormCreate(const MainFormOptions& options);
    void FormActivate();
    void FormResize();
    void FormClose();

    void buildMenus();
    void buildToolbar();
    // The page's buttons that share a command with the menu.
    void connectPageButtons(QWidget* panel);
    // Lays the toolbar out for window width `w`.
    void placeToolbar(int w);
    void buildStudentBox();
    void buildPages();
    void buildTables();
    void bindPage(Page page);
    void bindTable(Table t);
    void rebuildPage2Widgets();
    void guardWheel(QWidget* root);

    void refreshTexts();
    void refreshTable(Table t);
    void refreshChoices();
    void applyLineModes();

    void fieldEdited(Field f, QWidget* editor);
    void cellEdited(Table t, int row, Column c, QWidget* editor);
    void clearColumn(Table t, Column c);
    bool acceptTyped(const QString& text, std::string& out);

    void openWithLayout(DocumentLayout layout, bool rows86);
    // The save dialog, then the save; true when the document was saved.
    bool saveWithDialog();
    // The title: the document's name, the change mark, the program.
    void updateTitle();
    // After a step that is not the user's change (start-up fills, a variant switch): a
    // document that was unchanged stays so.
    void notAChange(const std::function<void()>& step);
    // The state the change mark compares with: now.
    void markUnchanged();
    // Writes the settings the window changed into "App.ini"; a failure is shown unless
    // `quiet` (nobody is there to read it).
    bool writeMainSettings(bool quiet = false);
    bool restoreRecoveryCopy(const std::filesystem::path& copy);
    // After the row mode changed: keeps rows 1…min(old, new), asking before rows with text
    // are dropped; false when the user keeps the old mode.
    bool resizePage2(int oldRows);
    // Before a document is read: the settings switch to the layout the file was written
    // with (the user is told which) and `read` gets the options to read it with; false,
    // with the refusal shown and nothing changed, when the file fits no layout.
    bool takeDocumentLayout(const std::filesystem::path& path, DocumentLayout layout, bool rows86,
                            DocumentReadOptions& read);
    // The settings "App.ini" is to hold: those in force with the program's own layout.
    Settings programSettings() const;
    Settings settingsToWrite() const;
    void printSheet(SheetKind kind);
    void runCopy(CopyCommand command);
    void afterSettingsDialog(const Settings& before, const SettingsDialogResult& result,
                             bool fromToolbar);
    void applyVariants(int hint);
    void switchSixPages();
    void switchPage(Page page, int version);
    void applyVariantRows(Page page, std::span<const VariantRow> rows, int version);
    // Where `w` stood as designed, noted the first time a blank version places it.
    const DesignedPlace& designedPlace(QWidget* w);
    void rgProfEduTypeClick();
    void SwitchAcademVersion_EduType();
    void applyFieldStyles();
    void placeSignatureBlock(Page page);
    void showUserMessages(const UserMessages& messages);
    void showError(const QString& text);
    // Warnings about what was read; shown after the current event, since the window may
    // not stand yet.
    void warnOnceShown(const std::vector<std::string>& warnings);

    Document doc_;
    Document baseline_;  // the document as last started, opened or saved
    Settings settings_;
    Settings storedSettings_;  // what "App.ini" held when last read or written by this window
    // The layout "App.ini" keeps for the program: a document's own edition, table order and
    // row mode are shown while it is open, never stored as the program's.
    ProgramLayout programLayout_;
    std::unique_ptr<RecoveryCopy> recovery_;
    QTimer* recoveryTimer_ = nullptr;
    bool recoveryFailureShown_ = false;
    bool shuttingDown_ = false;  // closing on a signal: no questions
    GradeList gradeList_;
    QStringList grades_;
    std::filesystem::path programDir_;
    std::filesystem::path documentFileName_;
    QString openFolder_;
    QString saveFolder_;
    TReport report_;
    int sheetCode_ = -1;
    bool updating_ = false;             // widgets are being refreshed from the document
    bool diplomaSwitched_ = false;      // the diploma type's rule waits for the first switch
    std::array<int, 9> pageVersion_{};  // by sheet number
    // Components a blank version has placed; the pointer tells a freed one from a new
    // widget built at the same address.
    struct DesignedSlot {
        QPointer<QWidget> widget;
        DesignedPlace place;
    };
    std::unordered_map<const QWidget*, DesignedSlot> designedPlaces_;

    PageWidgets widgets_;
    QTabWidget* pages_ = nullptr;
    QWidget* panel_ = nullptr;
    QGroupBox* studentBox_ = nullptr;
    QLineEdit* path2Csv_ = nullptr;
    QToolButton* path2CsvBrowse_ = nullptr;
    QWidget* getStudent_ = nullptr;
    QWidget* putStudent_ = nullptr;
    std::array<QToolButton*, 13> toolButtons_{};
};

}  // namespace vellex
