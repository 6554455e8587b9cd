// The main window's student box and the list commands: students, disciplines, results
// and the list parameters.
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include "gui/disciplines_list_form.h"
#include "gui/file_dialog_form.h"
#include "gui/gui_text.h"
#include "gui/list_param_form.h"
#include "gui/main_form.h"
#include "gui/main_form_internal.h"
#include "gui/message_presenter.h"
#include "gui/students_list_form.h"
#include "lists/list_file_name.h"
#include "lists/results_file.h"
#include "lists/student_list_writer.h"

namespace vellex {
using namespace main_form_detail;

void TMainForm::buildStudentBox() {
    studentBox_ = new QGroupBox(QStringLiteral("Список студентов"), centralWidget());
    studentBox_->setObjectName(QStringLiteral("StudentGroupBox"));
    studentBox_->setGeometry(4, 30, kMinWidth - 8, 50);
    path2Csv_ = new QLineEdit(studentBox_);
    path2Csv_->setObjectName(QStringLiteral("edPath2CSV"));
    path2Csv_->setToolTip(QStringLiteral("Путь к файлу со списком Студентов"));
    path2CsvBrowse_ = new QToolButton(studentBox_);
    path2CsvBrowse_->setObjectName(QStringLiteral("edPath2CSVButton"));
    path2CsvBrowse_->setText(QStringLiteral("..."));
    path2CsvBrowse_->setToolTip(QStringLiteral("Выбрать файл со списком Студентов"));
    auto* get = new QPushButton(QStringLiteral("Студент из списка..."), studentBox_);
    get->setObjectName(QStringLiteral("bbtnGetStudentData"));
    auto* put = new QPushButton(QStringLiteral("Занести студента в список"), studentBox_);
    put->setObjectName(QStringLiteral("bbtnPutStudentToList"));
    put->setToolTip(QStringLiteral("Записать студента в файл со Списком студентов"));
    getStudent_ = get;
    putStudent_ = put;
    // The box has room for the two captions only in a slightly smaller type.
    QFont small = get->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    get->setFont(small);
    put->setFont(small);
    connect(get, &QPushButton::clicked, this, &TMainForm::mnStudentsListClick);
    connect(put, &QPushButton::clicked, this, &TMainForm::bbtnPutStudentToListClick);
    connect(path2Csv_, &QLineEdit::textEdited, this, [this](const QString& text) {
        std::string bytes;
        if (acceptTyped(text, bytes)) {
            settings_.Path2CSV = std::move(bytes);
        } else {
            QSignalBlocker block(path2Csv_);
            path2Csv_->setText(toQString(settings_.Path2CSV));
        }
    });
    connect(path2CsvBrowse_, &QToolButton::clicked, this, [this] {
        FileDialogForm::Request r;
        r.title = QStringLiteral("Список студентов");
        r.folder = QFileInfo(path2Csv_->text()).absolutePath();
        r.filter = QStringLiteral("Текст CSV (*.csv *.CSV);;Все файлы (*)");
        r.proposedName = path2Csv_->text();
        const QString chosen = FileDialogForm::choose(this, r);
        if (chosen.isEmpty()) {
            return;
        }
        std::string bytes;
        if (acceptTyped(chosen, bytes)) {
            settings_.Path2CSV = std::move(bytes);
            path2Csv_->setText(chosen);
            edPath2CSVAfterDialog();
        }
    });
}

// The list logic's messages look the same wherever they come from.
void TMainForm::showUserMessages(const UserMessages& messages) {
    MessagePresenter::showAll(this, messages);
}

void TMainForm::bbtnPutStudentToListClick() {
    showUserMessages(appendStudentToList(doc_, settings_, settings_.Path2CSV));
}

void TMainForm::edPath2CSVAfterDialog() {
    const ChosenFileName cleaned = cleanChosenFileName(settings_.Path2CSV);
    settings_.Path2CSV = cleaned.name;
    {
        QSignalBlocker block(path2Csv_);
        path2Csv_->setText(toQString(settings_.Path2CSV));
    }
    if (cleaned.warning) {
        showUserMessages({*cleaned.warning});
    }
}

void TMainForm::mnStudentsListClick() {
    TStudentsListForm::run(this, doc_, settings_, [this] { refreshFromDocument(); });
    refreshFromDocument();
}

void TMainForm::mnDisciplinesListClick() {
    TDisciplinesListForm::run(this, doc_, settings_, [this] { refreshFromDocument(); });
    refreshFromDocument();
}

void TMainForm::mnListParamClick() {
    TListParamForm::run(this, settings_);
}

// The open dialog with its CSV filter chosen; the file fills the discipline tables.
void TMainForm::mnResultsListClick() {
    FileDialogForm::Request r;
    r.title = QStringLiteral("Открыть состояние из...");
    r.folder = openFolder_;
    r.filter =
        QStringLiteral("Текст CSV (*.csv *.CSV);;Файл настроек (*.App *.app);;Все файлы (*)");
    const QString chosen = FileDialogForm::choose(this, r);
    if (chosen.isEmpty()) {
        return;
    }
    std::string name;
    if (!acceptTyped(chosen, name)) {
        return;
    }
    showUserMessages(loadResultsFile(doc_, name, settings_.SplitField));
    refreshFromDocument();
}

}  // namespace vellex
