#include "gui/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellex {

TAbout::TAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("О программе"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<b>Vellex</b>"), this);
    title->setAlignment(Qt::AlignCenter);
    auto* text =
        new QLabel(QStringLiteral("Заполнение и печать документов об образовании\nВерсия %1")
                       .arg(QString::fromLatin1(kProgramVersion)),
                   this);
    text->setObjectName(QStringLiteral("lVersion"));
    text->setAlignment(Qt::AlignCenter);
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignCenter);
    setFixedSize(sizeHint());
}

}  // namespace vellex
