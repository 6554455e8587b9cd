#pragma once

#include <sys/stat.h>
#include <QGuiApplication>

#include <cstdlib>

#include "tests/support/test_support.h"

namespace vellex::test {

// One headless application for every render test of the executable, whichever test
// suite starts first. Never destroyed: tearing Qt down among the statics at exit crashes.
inline void ensureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static TempDir runtime;
    chmod(runtime.path().c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    static int argc = 1;
    static char name[] = "vellex_render_tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

}  // namespace vellex::test
