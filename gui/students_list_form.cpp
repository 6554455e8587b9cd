#include "gui/students_list_form.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <array>
#include <string_view>

#include "gui/gui_text.h"
#include "gui/message_presenter.h"
#include "lists/student_pick.h"

namespace vellex {
namespace {

struct ListColumn {
    std::string_view caption;
    int width;
};

constexpr std::array<ListColumn, kStudentFields> kColumns = {{
    {"Фамилия", 120},
    {"Имя", 100},
    {"Отчество", 100},
    {"Дата Рождения", 100},
    {"Место Рождения", 120},
}};

}  // namespace

// The rows of a StudentList as the view asks for them: nothing is copied per row, so a
// list of any length costs only the rows on screen. `shown_` trails the list while it is
// read, so that the view learns of new rows batch by batch.
class StudentsListModel final : public QAbstractTableModel {
  public:
    StudentsListModel(const StudentList& list, QObject* parent)
        : QAbstractTableModel(parent), list_(list) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : shown_;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kStudentFields;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= shown_) {
            return {};
        }
        const StudentRow& row = list_.rows()[static_cast<std::size_t>(index.row())];
        const auto column = static_cast<std::size_t>(index.column());
        return column < row.size() ? toQString(row[column]) : QString();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= kStudentFields) {
            return {};
        }
        return fromUtf8(kColumns[static_cast<std::size_t>(section)].caption);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void reset() {
        beginResetModel();
        shown_ = static_cast<int>(list_.rows().size());
        endResetModel();
    }
    // The list has grown: the view gets the new rows.
    void catchUp() {
        const int now = static_cast<int>(list_.rows().size());
        if (now > shown_) {
            beginInsertRows({}, shown_, now - 1);
            shown_ = now;
            endInsertRows();
        }
    }
    void beginRemove(int row) { beginRemoveRows({}, row, row); }
    void endRemove() {
        shown_ = static_cast<int>(list_.rows().size());
        endRemoveRows();
    }

  private:
    const StudentList& list_;
    int shown_ = 0;
};

TStudentsListForm::TStudentsListForm(Document& doc, Settings& settings, QWidget* parent,
                                     const Clock& clock)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      doc_(doc),
      settings_(settings),
      clock_(clock) {
    setObjectName(QStringLiteral("StudentsListForm"));
    setWindowTitle(QStringLiteral("Список Студентов"));
    setModal(true);

    LabelLosung_ = new QLabel(
        QStringLiteral("Дважды кликните мышкой в строчку студента для занесения данных в бланки"),
        this);
    LabelLosung_->setObjectName(QStringLiteral("LabelLosung"));
    QFont bold = LabelLosung_->font();
    bold.setBold(true);
    LabelLosung_->setFont(bold);

    model_ = new StudentsListModel(list_, this);
    StudentsListView_ = new QTableView(this);
    StudentsListView_->setObjectName(QStringLiteral("StudentsListView"));
    StudentsListView_->setModel(model_);
    StudentsListView_->setShowGrid(true);
    StudentsListView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    StudentsListView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    StudentsListView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StudentsListView_->setWordWrap(false);
    StudentsListView_->setTabKeyNavigation(false);
    StudentsListView_->verticalHeader()->hide();
    // Rows of one height let the view place a hundred thousand of them without measuring.
    StudentsListView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StudentsListView_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    StudentsListView_->horizontalHeader()->setHighlightSections(false);
    StudentsListView_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    int columnsWidth = 0;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        StudentsListView_->setColumnWidth(static_cast<int>(i), kColumns[i].width);
        columnsWidth += kColumns[i].width;
    }
    StudentsListView_->setMinimumWidth(columnsWidth + 24);
    StudentsListView_->setMinimumHeight(320);
    connect(StudentsListView_, &QAbstractItemView::doubleClicked, this,
            &TStudentsListForm::StudentsListViewDblClick);
    // Enter on a row picks it as a double click does, so the list works from the keyboard.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* pick = new QShortcut(key, StudentsListView_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(pick, &QShortcut::activated, this, &TStudentsListForm::StudentsListViewDblClick);
    }

    PopupMenuStudentsList_ = new QMenu(this);
    PopupMenuStudentsList_->setObjectName(QStringLiteral("PopupMenuStudentsList"));
    pmDeleteStudentFromList_ =
        PopupMenuStudentsList_->addAction(QStringLiteral("Удалить из списка"));
    pmDeleteStudentFromList_->setObjectName(QStringLiteral("pmDeleteStudentFromList"));
    connect(pmDeleteStudentFromList_, &QAction::triggered, this,
            &TStudentsListForm::pmDeleteStudentFromListClick);
    StudentsListView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StudentsListView_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        PopupMenuStudentsList_->popup(StudentsListView_->viewport()->mapToGlobal(at));
    });

    btnClose_ = new QPushButton(QStringLiteral("Закрыть"), this);
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnClose_->setAutoDefault(false);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelLosung_);
    layout->addWidget(StudentsListView_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    loader_ = new QTimer(this);
    loader_->setInterval(0);
    connect(loader_, &QTimer::timeout, this, &TStudentsListForm::loadBatch);
}

TStudentsListForm::~TStudentsListForm() = default;

void TStudentsListForm::run(QWidget* parent, Document& doc, Settings& settings,
                            std::function<void()> documentChanged) {
    TStudentsListForm form(doc, settings, parent);
    form.setDocumentChanged(std::move(documentChanged));
    form.exec();
}

bool TStudentsListForm::loading() const {
    return loader_->isActive();
}

void TStudentsListForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* s = screen()) {
        move(s->availableGeometry().center() - rect().center());
    }
    // The list is read once, when the window first appears; coming back from one of its
    // own message boxes neither repeats the warnings nor drops a deletion.
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, &TStudentsListForm::FormActivate);
    }
}

void TStudentsListForm::FormActivate() {
    loader_->stop();
    const UserMessages messages = list_.beginLoad(settings_.Path2CSV, settings_.SplitField);
    if (!settings_.SplitField.empty()) {
        settings_.Path2CSV = list_.fileName();
    }
    model_->reset();
    MessagePresenter::showAll(this, messages);
    if (list_.loadMore(0)) {  // lines are waiting
        loader_->start();
    } else {
        MessagePresenter::showAll(this, list_.endLoad());
    }
}

void TStudentsListForm::loadBatch() {
    const bool more = list_.loadMore(kLoadBatch);
    model_->catchUp();
    if (!more) {
        loader_->stop();
        MessagePresenter::showAll(this, list_.endLoad());
    }
}

int TStudentsListForm::firstSelectedRow() const {
    const QModelIndexList rows = StudentsListView_->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& i : rows) {
        if (first < 0 || i.row() < first) {
            first = i.row();
        }
    }
    return first;
}

void TStudentsListForm::StudentsListViewDblClick() {
    const int row = firstSelectedRow();
    if (row < 0) {
        return;
    }
    // A copy: the pick's message boxes let the list go on loading underneath.
    const StudentRow student = list_.rows()[static_cast<std::size_t>(row)];
    const UserMessages messages = pickStudent(doc_, student, settings_, settings_.Path2CSV, clock_);
    if (documentChanged_) {
        documentChanged_();
    }
    MessagePresenter::showAll(this, messages);
}

void TStudentsListForm::pmDeleteStudentFromListClick() {
    const int row = firstSelectedRow();
    if (row < 0) {
        return;
    }
    model_->beginRemove(row);
    list_.removeRow(static_cast<std::size_t>(row));
    model_->endRemove();
}

void TStudentsListForm::done(int result) {
    if (closing_) {
        return;
    }
    closing_ = true;
    loader_->stop();
    if (list_.modified()) {
        // Writing back half a list would lose the students not read yet.
        while (list_.loadMore(static_cast<std::size_t>(-1))) {
        }
        list_.endLoad();
        MessagePresenter::showAll(this, list_.close());
    }
    QDialog::done(result);
    closing_ = false;
}

}  // namespace vellex
