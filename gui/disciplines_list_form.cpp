#include "gui/disciplines_list_form.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/file_dialog_form.h"
#include "gui/gui_text.h"
#include "gui/message_presenter.h"
#include "lists/list_file_name.h"

namespace vellex {

TDisciplinesListForm::TDisciplinesListForm(Document& doc, Settings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      doc_(doc),
      settings_(settings) {
    setObjectName(QStringLiteral("DisciplinesListForm"));
    setWindowTitle(QStringLiteral("Список дисциплин"));
    setModal(true);

    edFileName_ = new QLineEdit(this);
    edFileName_->setObjectName(QStringLiteral("edFileName"));
    edFileName_->setMinimumWidth(360);
    edFileNameButton_ = new QToolButton(this);
    edFileNameButton_->setObjectName(QStringLiteral("edFileNameButton"));
    edFileNameButton_->setText(QStringLiteral("..."));
    edFileNameButton_->setToolTip(QStringLiteral("Выбрать файл со списком дисциплин"));
    edDiscipline_ = new QLineEdit(this);
    edDiscipline_->setObjectName(QStringLiteral("edDiscipline"));
    bbtnAdd_ = new QPushButton(QStringLiteral("Добавить"), this);
    bbtnAdd_->setObjectName(QStringLiteral("bbtnAdd"));
    DisciplinesListBox_ = new QListWidget(this);
    DisciplinesListBox_->setObjectName(QStringLiteral("DisciplinesListBox"));
    DisciplinesListBox_->setMinimumHeight(300);
    btnDisciplineToBlank_ = new QPushButton(QStringLiteral("Заполнить дисциплины в бланке"), this);
    btnDisciplineToBlank_->setObjectName(QStringLiteral("btnDisciplineToBlank"));
    btnBlankToDiscipline_ = new QPushButton(QStringLiteral("Получить дисциплины из бланка"), this);
    btnBlankToDiscipline_->setObjectName(QStringLiteral("btnBlankToDiscipline"));
    btnClose_ = new QPushButton(QStringLiteral("Закрыть"), this);
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    for (QPushButton* b : {bbtnAdd_, btnDisciplineToBlank_, btnBlankToDiscipline_, btnClose_}) {
        b->setAutoDefault(false);
    }

    PopupMenu_ = new QMenu(this);
    PopupMenu_->setObjectName(QStringLiteral("PopupMenu"));
    mnDel_ = PopupMenu_->addAction(QStringLiteral("Удалить"));
    mnDel_->setObjectName(QStringLiteral("mnDel"));
    // The menu belongs to the whole window; the edits keep their own editing menus.
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(DisciplinesListBox_)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](QPoint at) { PopupMenu_->popup(w->mapToGlobal(at)); });
    }

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edFileName_, 1);
    fileRow->addWidget(edFileNameButton_);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(edDiscipline_, 1);
    addRow->addWidget(bbtnAdd_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDisciplineToBlank_);
    buttons->addWidget(btnBlankToDiscipline_);
    buttons->addStretch();
    buttons->addWidget(btnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(addRow);
    layout->addWidget(DisciplinesListBox_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edFileName_, &QLineEdit::textChanged, this, &TDisciplinesListForm::edFileNameChange);
    connect(edFileNameButton_, &QToolButton::clicked, this, &TDisciplinesListForm::browse);
    connect(bbtnAdd_, &QPushButton::clicked, this, &TDisciplinesListForm::bbtnAddClick);
    connect(edDiscipline_, &QLineEdit::returnPressed, this, &TDisciplinesListForm::bbtnAddClick);
    connect(mnDel_, &QAction::triggered, this, &TDisciplinesListForm::mnDelClick);
    connect(btnDisciplineToBlank_, &QPushButton::clicked, this,
            &TDisciplinesListForm::btnDisciplineToBlankClick);
    connect(btnBlankToDiscipline_, &QPushButton::clicked, this,
            &TDisciplinesListForm::btnBlankToDisciplineClick);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::accept);
}

TDisciplinesListForm::~TDisciplinesListForm() = default;

void TDisciplinesListForm::run(QWidget* parent, Document& doc, Settings& settings,
                               std::function<void()> documentChanged) {
    TDisciplinesListForm form(doc, settings, parent);
    form.setDocumentChanged(std::move(documentChanged));
    form.exec();
}

void TDisciplinesListForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* s = screen()) {
        move(s->availableGeometry().center() - rect().center());
    }
    // Read once on opening: coming back from a message box keeps what was edited. The
    // reading waits until the window is up, so that its warning stands over the window.
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, &TDisciplinesListForm::FormActivate);
    }
}

void TDisciplinesListForm::FormActivate() {
    {
        const QSignalBlocker block(edFileName_);
        edFileName_->setText(toQString(settings_.DisciplinesFileName));
    }
    edFileNameChange();
}

void TDisciplinesListForm::edFileNameChange() {
    std::string bytes;
    QString refused;
    if (!toCp1251(edFileName_->text(), bytes, &refused)) {
        {
            const QSignalBlocker block(edFileName_);
            edFileName_->setText(toQString(fileNameText_));
        }
        MessagePresenter::refuseTyped(this, refused);
        return;
    }
    fileNameText_ = std::move(bytes);
    const UserMessages messages = list_.load(fileNameText_, settings_);
    if (list_.fileName() != fileNameText_) {
        // The name loses the quotes a file manager puts around a pasted path.
        fileNameText_ = list_.fileName();
        const QSignalBlocker block(edFileName_);
        edFileName_->setText(toQString(fileNameText_));
    }
    showEntries();
    MessagePresenter::showAll(this, messages);
}

void TDisciplinesListForm::browse() {
    FileDialogForm::Request r;
    r.title = QStringLiteral("Список дисциплин");
    r.folder = QFileInfo(edFileName_->text()).absolutePath();
    r.filter = QStringLiteral("Текст CSV (*.csv *.CSV);;Все файлы (*)");
    r.proposedName = edFileName_->text();
    const QString chosen = FileDialogForm::choose(this, r);
    if (!chosen.isEmpty()) {
        edFileNameAfterDialog(chosen);
    }
}

bool TDisciplinesListForm::chooseOtherFile() {
    FileDialogForm::Request r;
    r.save = true;
    r.title = QStringLiteral("Сохранить список дисциплин как...");
    r.folder = QDir::homePath();
    r.filter = QStringLiteral("Текст CSV (*.csv *.CSV);;Все файлы (*)");
    r.defaultSuffix = QStringLiteral("csv");
    r.proposedName = QFileInfo(edFileName_->text()).fileName();
    const QString chosen = FileDialogForm::choose(this, r);
    std::string bytes;
    QString refused;
    if (chosen.isEmpty()) {
        return false;
    }
    if (!toCp1251(chosen, bytes, &refused)) {
        MessagePresenter::refuseTyped(this, refused);
        return false;
    }
    fileNameText_ = std::move(bytes);
    const QSignalBlocker block(edFileName_);
    edFileName_->setText(chosen);
    return true;
}

void TDisciplinesListForm::edFileNameAfterDialog(const QString& chosen) {
    std::string bytes;
    QString refused;
    if (!toCp1251(chosen, bytes, &refused)) {
        MessagePresenter::refuseTyped(this, refused);
        return;
    }
    const ChosenFileName cleaned = cleanChosenFileName(bytes);
    if (cleaned.warning) {
        MessagePresenter::show(this, *cleaned.warning);
    }
    edFileName_->setText(toQString(cleaned.name));
}

void TDisciplinesListForm::showEntries() {
    const int current = DisciplinesListBox_->currentRow();
    DisciplinesListBox_->clear();
    QStringList names;
    names.reserve(static_cast<qsizetype>(list_.entries().size()));
    for (const std::string& e : list_.entries()) {
        names.push_back(toQString(e));
    }
    DisciplinesListBox_->addItems(names);
    if (current >= 0 && current < DisciplinesListBox_->count()) {
        DisciplinesListBox_->setCurrentRow(current, QItemSelectionModel::NoUpdate);
    }
}

void TDisciplinesListForm::bbtnAddClick() {
    std::string name;
    QString refused;
    if (!toCp1251(edDiscipline_->text(), name, &refused)) {
        MessagePresenter::refuseTyped(this, refused);
        return;
    }
    if (list_.add(name)) {
        showEntries();
    }
}

void TDisciplinesListForm::mnDelClick() {
    const QList<QListWidgetItem*> selected = DisciplinesListBox_->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    list_.remove(static_cast<std::size_t>(DisciplinesListBox_->row(selected.front())));
    showEntries();
}

void TDisciplinesListForm::btnDisciplineToBlankClick() {
    const UserMessages messages = list_.fillBlank(doc_);
    if (documentChanged_) {
        documentChanged_();
    }
    MessagePresenter::showAll(this, messages);
}

void TDisciplinesListForm::btnBlankToDisciplineClick() {
    if (const std::optional<UserMessage> question = list_.takeFromBlankQuestion()) {
        if (!MessagePresenter::show(this, *question)) {
            return;
        }
    }
    list_.takeFromBlank(doc_);
    showEntries();
}

void TDisciplinesListForm::done(int result) {
    if (closing_) {
        return;
    }
    closing_ = true;
    for (;;) {
        const DisciplineList::Closing closing = list_.close(fileNameText_, settings_);
        MessagePresenter::showAll(this, closing.messages);
        if (closing.mayClose) {
            QDialog::done(result);
            break;
        }
        if (!closing.saveElsewhere) {
            break;
        }
        if (!MessagePresenter::show(this, *closing.saveElsewhere)) {
            QDialog::done(result);  // the user chose to close without saving
            break;
        }
        if (!chooseOtherFile()) {
            break;  // no file chosen: the window stays open with the list
        }
    }
    closing_ = false;
}

}  // namespace vellex
