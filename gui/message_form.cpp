#include "gui/message_form.h"

#include <QAbstractButton>

namespace vellex {
namespace {

MessageForm::Hook& hook() {
    static MessageForm::Hook h;
    return h;
}

}  // namespace

void MessageForm::setHook(Hook h) {
    hook() = std::move(h);
}

void MessageForm::inform(QWidget* parent, Kind kind, const QString& caption, const QString& text) {
    show(parent, kind, caption, text);
}

bool MessageForm::ask(QWidget* parent, const QString& caption, const QString& text) {
    return show(parent, Kind::Question, caption, text) == QMessageBox::Yes;
}

QMessageBox::StandardButton MessageForm::askWithCancel(QWidget* parent, const QString& caption,
                                                       const QString& text) {
    const QMessageBox::StandardButton b = show(parent, Kind::QuestionWithCancel, caption, text);
    return b == QMessageBox::Yes || b == QMessageBox::No ? b : QMessageBox::Cancel;
}

QMessageBox::StandardButton MessageForm::show(QWidget* parent, Kind kind, const QString& caption,
                                              const QString& text) {
    if (hook()) {
        return hook()(kind, caption, text);
    }
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (kind) {
        case Kind::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Kind::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Kind::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case Kind::Question:
        case Kind::QuestionWithCancel:
            box.setIcon(QMessageBox::Question);
            break;
    }
    if (kind == Kind::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
        box.setDefaultButton(QMessageBox::Yes);
    } else if (kind == Kind::QuestionWithCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace vellex
