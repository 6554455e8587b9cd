#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "lists/discipline_list.h"
#include "model/document.h"
#include "storage/settings.h"

class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPushButton;
class QToolButton;

namespace vellex {

// "Список дисциплин": the discipline list file ("DisciplinesFileName"), edited here,
// written into the name column of pages 2 and 3 or taken over from them, and written
// back when the window closes.
class TDisciplinesListForm final : public QDialog {
    Q_OBJECT
  public:
    TDisciplinesListForm(Document& doc, Settings& settings, QWidget* parent = nullptr);
    ~TDisciplinesListForm() override;

    // Called after the blank was filled so that the main window can show the document again.
    void setDocumentChanged(std::function<void()> changed) {
        documentChanged_ = std::move(changed);
    }

    // Opens the window modally over `parent` and returns when it has closed.
    static void run(QWidget* parent, Document& doc, Settings& settings,
                    std::function<void()> documentChanged);

    const DisciplineList& list() const { return list_; }

    void FormActivate();
    void edFileNameChange();
    void edFileNameAfterDialog(const QString& chosen);
    void bbtnAddClick();
    void mnDelClick();
    void btnDisciplineToBlankClick();
    void btnBlankToDisciplineClick();

    // Every way out writes a non-empty list; a list that could not be written keeps the
    // window open.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void showEntries();
    void browse();
    // Asks for another file to save the list into; false when none was chosen.
    bool chooseOtherFile();

    Document& doc_;
    Settings& settings_;
    std::function<void()> documentChanged_;
    DisciplineList list_;
    std::string fileNameText_;  // the CP1251 text of edFileName
    QLineEdit* edFileName_ = nullptr;
    QToolButton* edFileNameButton_ = nullptr;
    QLineEdit* edDiscipline_ = nullptr;
    QPushButton* bbtnAdd_ = nullptr;
    QListWidget* DisciplinesListBox_ = nullptr;
    QPushButton* btnDisciplineToBlank_ = nullptr;
    QPushButton* btnBlankToDiscipline_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    QMenu* PopupMenu_ = nullptr;
    QAction* mnDel_ = nullptr;
    bool activated_ = false;
    bool closing_ = false;
};

}  // namespace vellex
