#include "gui/message_presenter.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "gui/gui_text.h"
#include "gui/message_form.h"

namespace vellex {
namespace {

MessagePresenter::Hook& hook() {
    static MessagePresenter::Hook h;
    return h;
}

MessageForm::Kind boxKind(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return MessageForm::Kind::Information;
        case MessageIcon::Warning:
            return MessageForm::Kind::Warning;
        case MessageIcon::Error:
            return MessageForm::Kind::Error;
    }
    return MessageForm::Kind::Information;
}

}  // namespace

void MessagePresenter::setHook(Hook h) {
    hook() = std::move(h);
}

bool MessagePresenter::show(QWidget* parent, const UserMessage& message) {
    if (hook()) {
        return hook()(message) && message.question;
    }
    // The logic keeps the CR LF breaks the texts have always had; a label wants LF.
    const QString text =
        fromUtf8(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString caption =
        message.icon == MessageIcon::Error ? QStringLiteral("Ошибка") : QStringLiteral("Vellex");
    if (!message.question) {
        // One OK button: the window's own boxes, so they look and are answered alike.
        MessageForm::inform(parent, boxKind(message.icon), caption, text);
        return false;
    }
    // A question keeps the icon the logic named (the window's questions carry their own).
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setIcon(message.icon == MessageIcon::Error         ? QMessageBox::Critical
                : message.icon == MessageIcon::Information ? QMessageBox::Information
                                                           : QMessageBox::Warning);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void MessagePresenter::showAll(QWidget* parent, const UserMessages& messages) {
    for (const UserMessage& m : messages) {
        show(parent, m);
    }
}

void MessagePresenter::refuseTyped(QWidget* parent, const QString& refused) {
    show(parent,
         UserMessage{refusedCharactersMessage(refused).toStdString(), MessageIcon::Warning, false});
}

}  // namespace vellex
