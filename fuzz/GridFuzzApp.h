#pragma once
// The offscreen application the grid's readers need, made once per run.
#include "platform/controls/Application.h"

inline void StartGridFuzzApp()
{
    static const bool started = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        Application->Initialize();
        return true;
    }();
    (void)started;
}
