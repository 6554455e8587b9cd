#include "lists/message_presenter.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "app/gui_text.h"

namespace vellex {
namespace {

MessagePresenter::Hook& hook() {
    static MessagePresenter::Hook h;
    return h;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessagePresenter::setHook(Hook h) {
    hook() = std::move(h);
}

bool MessagePresenter::show(QWidget* parent, const UserMessage& message) {
    if (hook()) {
        return hook()(message) && message.question;
    }
    QMessageBox box(parent);
    box.setWindowTitle(message.icon == MessageIcon::Error ? QStringLiteral("Ошибка")
                                                          : QStringLiteral("Vellex"));
    box.setIcon(boxIcon(message.icon));
    // The logic keeps the CR LF breaks the texts have always had; a label wants LF.
    box.setText(fromUtf8(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (message.question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Yes && message.question;
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
