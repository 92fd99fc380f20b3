#pragma once
// Device-context state behind a TCanvas, and the painter every canvas
// operation draws through.
#include "platform/graphics/Canvas.h"
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QTransform>
#include <optional>
#include <vector>

class QPainter;

struct DCState {
    std::optional<QRegion> Clip; // device coordinates
    QPoint ViewportOrg;
    QPoint WindowOrg;
    int MapMode = MM_TEXT;
    int BkMode = OPAQUE;
    TColor BkColor = clWhite;
    TColor TextColor = clBlack;
};

struct CanvasState {
    DCState DC;
    std::vector<DCState> Saved;
};

struct TRegion {
    QRegion Region;
};

// Opaque colour of a TColor (system colours resolved, top byte dropped).
QColor ToQColor(TColor Color);
TColor FromQRgb(QRgb Rgb);

// The canvas font as a QFont at the canvas's scale.
QFont ToQFont(const TFont& Font, double Scale = 1.0);
// Family used for Name: itself when installed, else DejaVu Sans.
QString ResolveFontFamily(const QString& Name);

// Logical to device coordinates of a canvas.
QPoint ToDevice(const TCanvas* Canvas, TPoint P);
QRect ToDevice(const TCanvas* Canvas, const TRect& R);
TPoint ToLogical(const TCanvas* Canvas, QPoint P);
// Device pixels per logical unit (1 in MM_TEXT).
double DeviceScale(const TCanvas* Canvas);

// Raster operation code (ternary, 0..255) applied to 24-bit values.
quint32 ApplyRop3(unsigned Code, quint32 P, quint32 S, quint32 D);
// Binary raster operation of a pen mode.
quint32 ApplyRop2(TPenMode Mode, quint32 P, quint32 D);

// One canvas operation: opens the surface's painter with the clip region,
// and with a pen mode other than pmCopy draws into a scratch image that is
// then combined with the surface pixel by pixel. Calls the canvas's change
// notifications.
struct CanvasPainter {
    // Bounds: the device pixels the operation may touch; with a pen mode the
    // scratch image covers only these (a null rectangle: the whole surface).
    CanvasPainter(TCanvas* Canvas, bool UsePenMode, const QRect& Bounds = QRect());
    ~CanvasPainter();
    CanvasPainter(const CanvasPainter&) = delete;
    CanvasPainter& operator=(const CanvasPainter&) = delete;
    // nullptr without a surface.
    QPainter* operator->() const { return FPainter; }
    QPainter* get() const { return FPainter; }
    explicit operator bool() const { return FPainter != nullptr; }
    // The change notifications alone, for code that writes pixels directly.
    static void Changing(TCanvas* Canvas) { Canvas->Changing(); }
    static void Changed(TCanvas* Canvas) { Canvas->Changed(); }

private:
    TCanvas* FCanvas;
    QPainter* FPainter = nullptr;
    QPainter* FScratchPainter = nullptr;
    QImage FScratch;
    QRect FScratchRect; // surface pixels the scratch image stands for
    TPenMode FMode = pmCopy;
};
