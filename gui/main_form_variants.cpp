// The main window's pages as each blank version lays them out.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <optional>
#include <unordered_set>

#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/page_layout.h"
#include "model/startup_state.h"

namespace vellex {

// Applying the variants with the version the pages are taken to show: the six first
// pages switch only when that hint is below the settings' version; the line-count
// groups then settle, the NPO page on three qualification lines above version 0.
void TMainForm::applyVariants(int hint) {
    if (hint < settings_.VellexVersion) {
        switchSixPages();
    }
    if (settings_.VellexVersion > 0) {
        doc_.setChoice(Choice::rgQualifyNPO, 1);
    }
    refreshChoices();
}

void TMainForm::switchSixPages() {
    const int v = settings_.VellexVersion;
    SwitchDiplomVersion(v);
    SwitchVellexVersion(v);
    SwitchVellexVersionNPO(v);
    SwitchAcademVersion(v);
    SwitchCertificateVersion(v);
    SwitchCertAppendVersion(v);
}

void TMainForm::applyVariantRows(Page page, std::span<const VariantRow> rows, int version) {
    QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
    const size_t v = static_cast<size_t>(version);
    for (const VariantRow& row : rows) {
        const QString name = fromUtf8(row.name);
        std::vector<QWidget*> targets;
        if (const Table* t = pageTable(page); t && name == fromUtf8(tableName(*t))) {
            // A whole table: its rows, its column heads stay with their own rows.
            for (const TableRowWidgets& r : widgets_.tables[static_cast<size_t>(*t)]) {
                targets.insert(targets.end(), {r.name, r.hours, r.grade});
            }
            for (QPushButton* b : widgets_.clearButtons[static_cast<size_t>(*t)]) {
                targets.push_back(b);
            }
        } else if (QWidget* w = panel->findChild<QWidget*>(name)) {
            targets.push_back(w);
        }
        for (QWidget* w : targets) {
            if (row.text[v]) {
                if (auto* l = qobject_cast<QLabel*>(w)) {
                    l->setText(QString::fromUtf8(row.text[v]));
                    fitLabel(l);
                }
            }
            switch (row.shown[v]) {
                case Shown::Keep:
                    break;
                case Shown::Show:
                    w->setVisible(true);
                    break;
                case Shown::Hide:
                    w->setVisible(false);
                    break;
                case Shown::LineUp:
                    w->setVisible(doc_.flag(Flag::cbAddLineUp_Diplom));
                    break;
            }
        }
    }
}

void TMainForm::switchPage(Page page, int version) {
    version = clampVersion(version);
    pageVersion_[static_cast<size_t>(page)] = version;
    applyVariantRows(page, pageVariants(page), version);
    QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
    // The blank's places. A component placed under any version is placed, or put back
    // where it was designed, on every switch.
    const std::span<const VariantPlace> here = variantPlaces(page, version);
    std::unordered_set<QWidget*> done;
    for (int v = 0; v < kVersionCount; ++v) {
        for (const VariantPlace& any : variantPlaces(page, v)) {
            QWidget* w = panel->findChild<QWidget*>(QString::fromUtf8(any.name));
            if (!w || !done.insert(w).second) {
                continue;  // missing, or already done in this switch
            }
            auto* label = qobject_cast<QLabel*>(w);
            const auto place = std::find_if(here.begin(), here.end(), [&](const VariantPlace& p) {
                return std::string_view(p.name) == any.name;
            });
            std::optional<BlankPlace> blank;
            if (place != here.end()) {
                blank = BlankPlace{place->x, place->y, place->width};
            }
            const Placement placed = placeOnBlank(designedPlace(w), label != nullptr, blank);
            w->setGeometry(placed.rect.x, placed.rect.y, placed.rect.width, placed.rect.height);
            if (label) {
                label->setWordWrap(placed.wrapWidth > 0);
                label->setProperty("wrapWidth", placed.wrapWidth);
                fitLabel(label);
            }
        }
    }
    for (const VariantFont& vf : variantFonts(page)) {
        if (vf.version != version) {
            continue;
        }
        if (auto* l = panel->findChild<QLabel*>(QString::fromUtf8(vf.name))) {
            QFont font = QApplication::font(l);
            if (vf.pointSize > 0) {
                font.setPointSize(vf.pointSize);
            }
            font.setBold(vf.bold);
            font.setItalic(vf.italic);
            l->setFont(font);
            fitLabel(l);
        }
    }
    for (const VariantColumns& vc : variantColumns()) {
        auto* box = panel->findChild<QGroupBox*>(QString::fromUtf8(vc.name));
        if (!box) {
            continue;
        }
        const int columns = vc.columns[static_cast<size_t>(version)];
        const QList<QRadioButton*> buttons = box->findChildren<QRadioButton*>();
        const int perColumn = static_cast<int>((buttons.size() + columns - 1) / columns);
        const int width = (box->width() - 12) / columns;
        for (int i = 0; i < buttons.size(); ++i) {
            buttons[i]->setGeometry(8 + width * (i / perColumn), 20 + 22 * (i % perColumn),
                                    width - 4, 20);
        }
    }
}

const DesignedPlace& TMainForm::designedPlace(QWidget* w) {
    DesignedSlot& slot = designedPlaces_[w];
    // A new widget, or one built where a freed one stood: its place now is its design.
    if (slot.widget != w) {
        const QRect r = w->geometry();
        const auto* label = qobject_cast<QLabel*>(w);
        slot.widget = w;
        slot.place = {{r.x(), r.y(), r.width(), r.height()},
                      label ? label->property("wrapWidth").toInt() : 0};
    }
    return slot.place;
}

void TMainForm::SwitchDiplomVersion(int version) {
    switchPage(Page::Diploma, version);
    diplomaSwitched_ = true;
    rgProfEduTypeClick();
}

// The diploma type: the academic type follows it, and it names the diploma's heading,
// its blank number and the heading of pages 2 and 3.
void TMainForm::rgProfEduTypeClick() {
    if (!diplomaSwitched_) {
        return;
    }
    SwitchAcademVersion_EduType();
    followProfEduType(doc_);
    const int version = pageVersion(Page::Diploma);
    const DiplomaTypeCaptions c = diplomaTypeCaptions(version, doc_.choice(Choice::rgProfEduType));
    auto setCaption = [this](Page page, const char* name, const char* text) {
        QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
        if (auto* l = panel->findChild<QLabel*>(QString::fromUtf8(name))) {
            l->setText(QString::fromUtf8(text));
            fitLabel(l);
        }
    };
    setCaption(Page::Page2, "Label4", c.heading2);
    setCaption(Page::Diploma, "Label8", c.heading);
    setCaption(Page::Diploma, "lDiplomNum", c.blankNumber);
    if (version == 2) {
        setCaption(Page::Page3, "Label87", c.heading2);
        setCaption(Page::Page3, "Label94", c.heading);
    }
}

void TMainForm::SwitchVellexVersion(int version) {
    switchPage(Page::SupplementSpo, version);
    if (clampVersion(version) == 2) {
        doc_.setChoice(Choice::rgSchool, 1);
        doc_.setChoice(Choice::rgQualify, 1);
        refreshChoices();
    }
}

void TMainForm::SwitchVellexVersionNPO(int version) {
    switchPage(Page::SupplementNpo, version);
    if (clampVersion(version) == 2) {
        doc_.setChoice(Choice::rgSchoolNPO, 1);
        doc_.setChoice(Choice::rgQualifyNPO, 1);
        refreshChoices();
    }
}

void TMainForm::SwitchVellexVersionPage2(int version) {
    switchPage(Page::Page2, version);
    placeSignatureBlock(Page::Page2);
}

void TMainForm::SwitchVellexVersionPage3(int version) {
    switchPage(Page::Page3, version);
    placeSignatureBlock(Page::Page3);
}

// Under version 2 the signature block stands below the table's clear buttons and the
// print button below it; the page grows to hold them.
void TMainForm::placeSignatureBlock(Page page) {
    if (pageVersion(page) != 2) {
        return;
    }
    const bool page2 = page == Page::Page2;
    const Table t = page2 ? Table::Disciplines : Table::Disciplines8;
    QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
    const int top = widgets_.clearButtons[static_cast<size_t>(t)][0]->geometry().bottom() + 12;
    for (const SignatureSlot& slot : signatureSlots()) {
        auto* w =
            panel->findChild<QWidget*>(QString::fromUtf8(page2 ? slot.page2Name : slot.page3Name));
        if (!w) {
            continue;
        }
        w->move(8 + slot.dx, top + slot.dy);
        if (slot.width > 0) {
            w->resize(slot.width, w->height());
        }
    }
    auto* print = panel->findChild<QPushButton*>(page2 ? QStringLiteral("bbPrintSheet2")
                                                       : QStringLiteral("bbPrintSheet8"));
    if (print) {
        print->move(print->x(), top + kSignatureBlockHeight);
        panel->setFixedHeight(print->geometry().bottom() + 12);
    }
}

void TMainForm::SwitchAcademVersion(int version) {
    switchPage(Page::Academic, version);
    SwitchAcademVersion_EduType();
}

// Under version 2 the academic page names the education its type group shows.
void TMainForm::SwitchAcademVersion_EduType() {
    if (pageVersion(Page::Academic) != 2) {
        return;
    }
    applyVariantRows(Page::Academic, academicTypeRows(doc_.choice(Choice::rgProfEduType)), 2);
}

void TMainForm::SwitchCertificateVersion(int version) {
    switchPage(Page::Certificate, version);
}

void TMainForm::SwitchCertAppendVersion(int version) {
    switchPage(Page::CertSupplement, version);
}

}  // namespace vellex
