#pragma once
// The grid's smaller look objects: background picture or gradient
// (TBackGround), grouping colours (TGrouping), balloon hints
// (TBalloonSettings), modified-row marks (TShowModified), progress bar cells
// (TGridProgressAppearance), and TGridChangeNotifier, a component an
// application derives from to hear about changed cell ranges. Each Assign
// takes only a source of its own class and ignores any other.
#include "grid/core/GridCoreTypes.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include <QString>
#include <cstdint>
#include <memory>

class IGridSettingsOwner;
class TBitmap;

// Every setter stores and repaints the grid. Note: no Assign of its own;
// assigning raises the framework's cannot-assign error.
class TBackGround : public TPersistent {
public:
    explicit TBackGround(IGridSettingsOwner* AGrid);
    ~TBackGround() override;

    TBitmap* Bitmap() const { return FBitmap.get(); }
    // Copies the bitmap.
    void SetBitmap(TBitmap* Value);
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay Value) { Set(FDisplay, Value); }
    TBackGroundCells Cells() const { return FCells; }
    void SetCells(TBackGroundCells Value) { Set(FCells, Value); }
    // Position of a fixed picture.
    int Left() const { return FLeft; }
    void SetLeft(int Value) { Set(FLeft, Value); }
    int Top() const { return FTop; }
    void SetTop(int Value) { Set(FTop, Value); }
    // Gradient start and end.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Set(FColorTo, Value); }

private:
    template <typename T>
    void Set(T& Field, T Value)
    {
        Field = Value;
        InvalidateGrid();
    }
    void InvalidateGrid();

    IGridSettingsOwner* FGrid;
    std::unique_ptr<TBitmap> FBitmap;
    TBackGroundDisplay FDisplay = bdTile;
    TBackGroundCells FCells = bcNormal;
    int FLeft = 0;
    int FTop = 0;
    TColor FColor = clWindow;
    TColor FColorTo = clBtnFace;
};

// Plain fields, no notification.
class TGrouping : public TPersistent {
public:
    // Copies all but Summary and the line widths and colours.
    void Assign(TPersistent* Source) override;

    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TColor HeaderTextColor() const { return FHeaderTextColor; }
    void SetHeaderTextColor(TColor Value) { FHeaderTextColor = Value; }
    bool HeaderUnderline() const { return FHeaderUnderline; }
    void SetHeaderUnderline(bool Value) { FHeaderUnderline = Value; }
    int HeaderLineWidth() const { return FHeaderLineWidth; }
    void SetHeaderLineWidth(int Value) { FHeaderLineWidth = Value; }
    TColor HeaderLineColor() const { return FHeaderLineColor; }
    void SetHeaderLineColor(TColor Value) { FHeaderLineColor = Value; }
    TColor SummaryColor() const { return FSummaryColor; }
    void SetSummaryColor(TColor Value) { FSummaryColor = Value; }
    TColor SummaryColorTo() const { return FSummaryColorTo; }
    void SetSummaryColorTo(TColor Value) { FSummaryColorTo = Value; }
    TColor SummaryTextColor() const { return FSummaryTextColor; }
    void SetSummaryTextColor(TColor Value) { FSummaryTextColor = Value; }
    bool Summary() const { return FSummary; }
    void SetSummary(bool Value) { FSummary = Value; }
    bool SummaryLine() const { return FSummaryLine; }
    void SetSummaryLine(bool Value) { FSummaryLine = Value; }
    int SummaryLineWidth() const { return FSummaryLineWidth; }
    void SetSummaryLineWidth(int Value) { FSummaryLineWidth = Value; }
    TColor SummaryLineColor() const { return FSummaryLineColor; }
    void SetSummaryLineColor(TColor Value) { FSummaryLineColor = Value; }
    bool MergeHeader() const { return FMergeHeader; }
    void SetMergeHeader(bool Value) { FMergeHeader = Value; }
    bool MergeSummary() const { return FMergeSummary; }
    void SetMergeSummary(bool Value) { FMergeSummary = Value; }
    bool ShowGroupCount() const { return FShowGroupCount; }
    void SetShowGroupCount(bool Value) { FShowGroupCount = Value; }
    bool AutoSelectGroup() const { return FAutoSelectGroup; }
    void SetAutoSelectGroup(bool Value) { FAutoSelectGroup = Value; }
    bool AutoCheckGroup() const { return FAutoCheckGroup; }
    void SetAutoCheckGroup(bool Value) { FAutoCheckGroup = Value; }
    const QString& GroupCountFormat() const { return FGroupCountFormat; }
    void SetGroupCountFormat(const QString& Value) { FGroupCountFormat = Value; }

private:
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderTextColor = clNone;
    bool FHeaderUnderline = false;
    int FHeaderLineWidth = 2;
    TColor FHeaderLineColor = clBlue;
    TColor FSummaryColor = clNone;
    TColor FSummaryColorTo = clNone;
    TColor FSummaryTextColor = clNone;
    bool FSummary = false;
    bool FSummaryLine = false;
    int FSummaryLineWidth = 2;
    TColor FSummaryLineColor = clBlue;
    bool FMergeHeader = false;
    bool FMergeSummary = false;
    bool FShowGroupCount = false;
    bool FAutoSelectGroup = false;
    bool FAutoCheckGroup = false;
    QString FGroupCountFormat;
};

class TBalloonSettings : public TPersistent {
public:
    // Copies all but Transparency; Enable without the event.
    void Assign(TPersistent* Source) override;

    // Note: fires OnEnableChange on every write.
    bool Enable() const { return FEnable; }
    void SetEnable(bool Value);

    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value) { FTextColor = Value; }
    // Milliseconds; -1: the system's timing.
    int InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int Value) { FInitialDelay = Value; }
    int ReshowDelay() const { return FReshowDelay; }
    void SetReshowDelay(int Value) { FReshowDelay = Value; }
    int AutoHideDelay() const { return FAutoHideDelay; }
    void SetAutoHideDelay(int Value) { FAutoHideDelay = Value; }
    // 0: opaque; else the tip's alpha is 255 - Transparency.
    uint8_t Transparency() const { return FTransparency; }
    void SetTransparency(uint8_t Value) { FTransparency = Value; }

    TNotifyEvent OnEnableChange;

private:
    friend class TProStringGrid;

    // The balloon tool tip is set up.
    bool FInit = false;
    bool FEnable = false;
    TColor FBackgroundColor = clNone;
    TColor FTextColor = clNone;
    int FInitialDelay = -1;
    int FReshowDelay = -1;
    int FAutoHideDelay = -1;
    uint8_t FTransparency = 0;
};

class TShowModified : public TPersistent {
public:
    // Copies Color and Enabled without the event.
    void Assign(TPersistent* Source) override;

    // Fires OnChange on every write.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }

    TNotifyEvent OnChange;

private:
    bool FEnabled = false;
    TColor FColor = clYellow;
};

// Every setter fires OnChange when the value changes.
class TGridProgressAppearance : public TPersistent {
public:
    // Copies every property, then fires OnChange once.
    void Assign(TPersistent* Source) override;

    TColor CompleteColor() const { return FCompleteColor; }
    void SetCompleteColor(TColor Value) { Set(FCompleteColor, Value); }
    TColor CompleteFontColor() const { return FCompleteFontColor; }
    void SetCompleteFontColor(TColor Value) { Set(FCompleteFontColor, Value); }
    TColor UnCompleteColor() const { return FUnCompleteColor; }
    void SetUnCompleteColor(TColor Value) { Set(FUnCompleteColor, Value); }
    TColor UnCompleteFontColor() const { return FUnCompleteFontColor; }
    void SetUnCompleteFontColor(TColor Value) { Set(FUnCompleteFontColor, Value); }
    TColor Level0Color() const { return FLevel0Color; }
    void SetLevel0Color(TColor Value) { Set(FLevel0Color, Value); }
    TColor Level0ColorTo() const { return FLevel0ColorTo; }
    void SetLevel0ColorTo(TColor Value) { Set(FLevel0ColorTo, Value); }
    TColor Level1Color() const { return FLevel1Color; }
    void SetLevel1Color(TColor Value) { Set(FLevel1Color, Value); }
    TColor Level1ColorTo() const { return FLevel1ColorTo; }
    void SetLevel1ColorTo(TColor Value) { Set(FLevel1ColorTo, Value); }
    TColor Level2Color() const { return FLevel2Color; }
    void SetLevel2Color(TColor Value) { Set(FLevel2Color, Value); }
    TColor Level2ColorTo() const { return FLevel2ColorTo; }
    void SetLevel2ColorTo(TColor Value) { Set(FLevel2ColorTo, Value); }
    TColor Level3Color() const { return FLevel3Color; }
    void SetLevel3Color(TColor Value) { Set(FLevel3Color, Value); }
    TColor Level3ColorTo() const { return FLevel3ColorTo; }
    void SetLevel3ColorTo(TColor Value) { Set(FLevel3ColorTo, Value); }
    int Level1Perc() const { return FLevel1Perc; }
    void SetLevel1Perc(int Value) { Set(FLevel1Perc, Value); }
    int Level2Perc() const { return FLevel2Perc; }
    void SetLevel2Perc(int Value) { Set(FLevel2Perc, Value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Set(FBorderColor, Value); }
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool Value) { Set(FShowBorder, Value); }
    bool Stacked() const { return FStacked; }
    void SetStacked(bool Value) { Set(FStacked, Value); }
    bool ShowPercentage() const { return FShowPercentage; }
    void SetShowPercentage(bool Value) { Set(FShowPercentage, Value); }
    bool CompletionSmooth() const { return FCompletionSmooth; }
    void SetCompletionSmooth(bool Value) { Set(FCompletionSmooth, Value); }
    bool ShowGradient() const { return FShowGradient; }
    void SetShowGradient(bool Value) { Set(FShowGradient, Value); }
    int Steps() const { return FSteps; }
    void SetSteps(int Value) { Set(FSteps, Value); }
    TProgressStyle Style() const { return FStyle; }
    void SetStyle(TProgressStyle Value) { Set(FStyle, Value); }

    TNotifyEvent OnChange;

private:
    template <typename T>
    void Set(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Changed();
    }
    void Changed();

    TColor FCompleteColor = clRed;
    TColor FCompleteFontColor = clBlue;
    TColor FUnCompleteColor = clNone;
    TColor FUnCompleteFontColor = clWindowText;
    TColor FLevel0Color = clLime;
    TColor FLevel0ColorTo = 0xE1FFE1;
    TColor FLevel1Color = clYellow;
    TColor FLevel1ColorTo = 0xCAFFFF;
    TColor FLevel2Color = 0x53A9FF;
    TColor FLevel2ColorTo = 0xA8D3FF;
    TColor FLevel3Color = clRed;
    TColor FLevel3ColorTo = 0xCACAFF;
    int FLevel1Perc = 70;
    int FLevel2Perc = 90;
    TColor FBorderColor = clBlack;
    bool FShowBorder = false;
    bool FStacked = false;
    bool FShowPercentage = true;
    bool FCompletionSmooth = true;
    bool FShowGradient = true;
    int FSteps = 11;
    TProgressStyle FStyle = psXP;
};

// Registered with a grid (RegisterNotifier), it hears of every changed
// cell range.
class TGridChangeNotifier : public TComponent {
public:
    using TComponent::TComponent;

    // Empty here.
    virtual void CellsChanged(const TRect& R) {}
};
