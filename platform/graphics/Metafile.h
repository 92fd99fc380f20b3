#pragma once
#include "platform/graphics/Graphic.h"
#include <QByteArray>

// A Windows metafile (EMF or WMF) kept as its bytes: this platform does not
// play metafiles, so it draws nothing, but loading and saving give back
// exactly the bytes read. The size comes from the file's header.
class TMetafile : public TGraphic {
public:
    void Assign(TPersistent* Source) override;
    bool Empty() const override { return FData.isEmpty(); }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetSize(int AWidth, int AHeight) override;
    void LoadFromBytes(const QByteArray& Data) override;
    QByteArray SaveToBytes() const override { return FData; }
    void Draw(TCanvas*, const TRect&) override {}

private:
    QByteArray FData;
    int FWidth = 0;
    int FHeight = 0;
};
