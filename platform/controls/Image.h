#pragma once
// TImage: shows a picture at its top-left corner, centred, or stretched
// (optionally keeping its proportions). With AutoSize the control takes
// the picture's size.
#include "platform/controls/GraphicControl.h"
#include <memory>

class TPicture;

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner = nullptr);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    // Parts of the picture in its transparent colour let the parent show.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FProportional = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FAutoSize = false;
};
