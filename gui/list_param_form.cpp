#include "gui/list_param_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "gui/gui_text.h"
#include "gui/message_presenter.h"
#include "lists/list_file_name.h"
#include "lists/list_params.h"

namespace vellex {

TListParamForm::TListParamForm(Settings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      settings_(settings) {
    setObjectName(QStringLiteral("ListParamForm"));
    setWindowTitle(QStringLiteral("Параметры"));
    setModal(true);

    lSplit_ = new QLabel(QStringLiteral("Разделитель полей:"), this);
    lSplit_->setObjectName(QStringLiteral("lSplit"));
    edSplitField_ = new QLineEdit(this);
    edSplitField_->setObjectName(QStringLiteral("edSplitField"));
    edSplitField_->setFixedWidth(20);
    lSplit_->setBuddy(edSplitField_);
    lDateFormatBirthDay_ = new QLabel(QStringLiteral("Формат даты Рождения в списке:"), this);
    lDateFormatBirthDay_->setObjectName(QStringLiteral("lDateFormatBirthDay"));
    cboxlDateFormatBirthDay_ = new QComboBox(this);
    cboxlDateFormatBirthDay_->setObjectName(QStringLiteral("cboxlDateFormatBirthDay"));
    cboxlDateFormatBirthDay_->setEditable(false);
    cboxlDateFormatBirthDay_->setMinimumWidth(110);
    lDateFormatBirthDay_->setBuddy(cboxlDateFormatBirthDay_);
    btnClose_ = new QPushButton(QStringLiteral("Закрыть"), this);
    btnClose_->setObjectName(QStringLiteral("btnClose"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(lSplit_, 0, 0);
    layout->addWidget(edSplitField_, 0, 1, Qt::AlignLeft);
    layout->addWidget(lDateFormatBirthDay_, 1, 0);
    layout->addWidget(cboxlDateFormatBirthDay_, 1, 1);
    layout->addWidget(btnClose_, 2, 1, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edSplitField_, &QLineEdit::textEdited, this, &TListParamForm::edSplitFieldEdited);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::accept);
}

TListParamForm::~TListParamForm() = default;

void TListParamForm::run(QWidget* parent, Settings& settings) {
    TListParamForm form(settings, parent);
    form.exec();
}

void TListParamForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* s = screen()) {
        move(s->availableGeometry().center() - rect().center());
    }
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TListParamForm::FormActivate() {
    separator_ = settings_.SplitField;
    edSplitField_->setText(toQString(separator_));
    const DateFormatOffer offer =
        readDateFormats(listFilePath(settings_.programDir), settings_.DateFormatBirthDay);
    const QSignalBlocker block(cboxlDateFormatBirthDay_);
    cboxlDateFormatBirthDay_->clear();
    for (const std::string& f : offer.formats) {
        cboxlDateFormatBirthDay_->addItem(toQString(f));
    }
    cboxlDateFormatBirthDay_->setCurrentIndex(offer.selected);
}

void TListParamForm::edSplitFieldEdited(const QString& text) {
    std::string bytes;
    QString refused;
    if (toCp1251(text, bytes, &refused)) {
        separator_ = std::move(bytes);
        return;
    }
    edSplitField_->setText(toQString(separator_));
    MessagePresenter::refuseTyped(this, refused);
}

void TListParamForm::done(int result) {
    if (!activated_) {  // never shown: nothing was edited
        QDialog::done(result);
        return;
    }
    std::string format;
    // The offered formats came from CP1251 text, so they always convert back.
    toCp1251(cboxlDateFormatBirthDay_->currentText(), format);
    applyListParams(settings_, separator_, std::move(format));
    QDialog::done(result);
}

}  // namespace vellex
