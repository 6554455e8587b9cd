// Placeholder entry until the main window lands: shows the About box.
#include <QApplication>

#include "app/about_dialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vellex::TAbout about;
    return about.exec() == QDialog::Accepted ? 0 : 0;
}
