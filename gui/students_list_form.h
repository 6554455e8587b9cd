#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>

#include "lists/student_list.h"
#include "model/document.h"
#include "storage/settings.h"
#include "text/clock.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QTimer;

namespace vellex {

class StudentsListModel;

// "Список Студентов": the student list file (settings "Path2CSV") in five columns. A
// double click writes the student into the document and leaves the window open; rows
// removed here are written back when the window closes. A long list is read in batches
// between which the window keeps answering.
class TStudentsListForm final : public QDialog {
    Q_OBJECT
  public:
    // Lines parsed per turn of the event loop while the list is read.
    static constexpr std::size_t kLoadBatch = 2000;

    TStudentsListForm(Document& doc, Settings& settings, QWidget* parent = nullptr,
                      const Clock& clock = systemClock());
    ~TStudentsListForm() override;

    // Called after every pick so that the main window can show the document again.
    void setDocumentChanged(std::function<void()> changed) {
        documentChanged_ = std::move(changed);
    }

    // Opens the window modally over `parent` and returns when it has closed. "Path2CSV"
    // may come back without its quotes: the main window shows it again afterwards.
    static void run(QWidget* parent, Document& doc, Settings& settings,
                    std::function<void()> documentChanged);

    const StudentList& list() const { return list_; }
    bool loading() const;

    void FormActivate();
    void StudentsListViewDblClick();
    void pmDeleteStudentFromListClick();

    // Every way out (the button, Escape, the window's close request) writes the list back.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void loadBatch();
    int firstSelectedRow() const;

    Document& doc_;
    Settings& settings_;
    const Clock& clock_;
    std::function<void()> documentChanged_;
    StudentList list_;
    StudentsListModel* model_ = nullptr;
    QLabel* LabelLosung_ = nullptr;
    QTableView* StudentsListView_ = nullptr;
    QMenu* PopupMenuStudentsList_ = nullptr;
    QAction* pmDeleteStudentFromList_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    QTimer* loader_ = nullptr;
    bool activated_ = false;
    bool closing_ = false;
};

}  // namespace vellex
