#pragma once

#include <QString>
#include <functional>

#include "lists/user_message.h"

class QWidget;

// Shows what the list logic hands back: each UserMessage as a modal box with the icon it
// names, one OK button, or "Да" / "Нет" for a question. A test answers the boxes through
// the hook here; boxes with one OK button also reach MessageForm's hook when this one is
// not set.
namespace vellex {

class MessagePresenter final {
  public:
    // Receives the message as the logic wrote it; returns the answer to a question.
    using Hook = std::function<bool(const UserMessage&)>;

    // True when a question was answered "Да"; false for every other box.
    static bool show(QWidget* parent, const UserMessage& message);
    static void showAll(QWidget* parent, const UserMessages& messages);

    // A warning about characters typed into a list dialog that a list file cannot hold.
    static void refuseTyped(QWidget* parent, const QString& refused);

    // Replaces the boxes with `hook` until reset with an empty hook.
    static void setHook(Hook hook);
};

}  // namespace vellex
