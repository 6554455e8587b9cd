#pragma once

#include <QString>

// What the files of the main window share and nothing else needs.
namespace vellex::main_form_detail {

// The smallest window the toolbar, the student box and the pages are laid out for.
inline constexpr int kMinWidth = 600;
inline constexpr int kMinHeight = 480;

inline QString utf8(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace vellex::main_form_detail
