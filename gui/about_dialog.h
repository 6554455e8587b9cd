#pragma once

#include <QDialog>

namespace vellex {

// "О программе": the program's version and a "Закрыть" button.
class TAbout final : public QDialog {
    Q_OBJECT
  public:
    explicit TAbout(QWidget* parent = nullptr);
};

// The version the title bar and the About box show.
inline constexpr const char* kProgramVersion = VELLEX_VERSION;  // from project() in CMake

}  // namespace vellex
