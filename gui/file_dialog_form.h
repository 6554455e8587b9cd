#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vellex {

// The open and save file dialogs of the window. A test may answer them through a hook,
// which receives the request and returns the chosen file (empty = cancelled).
class FileDialogForm final {
  public:
    struct Request {
        bool save = false;
        QString title;
        QString folder;  // initial folder
        QString filter;  // Qt filter text: "Name (*.a *.b);;…"
        QString defaultSuffix;
        QString proposedName;  // the file name shown at first
    };
    using Hook = std::function<QString(const Request&)>;

    static QString choose(QWidget* parent, const Request& request);
    static void setHook(Hook hook);
};

}  // namespace vellex
