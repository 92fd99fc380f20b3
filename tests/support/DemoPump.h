#pragma once
// For the demo programs: runs the application's messages for Ms milliseconds.
#include "platform/controls/Application.h"
#include <QElapsedTimer>

inline void Pump(int Ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < Ms)
        Application->ProcessMessages();
}
