#pragma once
// A bitmap that reports its end, to tell who freed it.
#include "platform/graphics/Bitmap.h"

class TTrackedBitmap : public TBitmap {
public:
    explicit TTrackedBitmap(bool& Alive) : FAlive(Alive) { FAlive = true; }
    ~TTrackedBitmap() override { FAlive = false; }

private:
    bool& FAlive;
};
