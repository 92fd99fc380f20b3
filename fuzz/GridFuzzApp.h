#pragma once
// The offscreen application the grid's readers need, made once per run.
#include <QApplication>

inline void StartGridFuzzApp()
{
    static int argc = 1;
    static char name[] = "grid_fuzz";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}
