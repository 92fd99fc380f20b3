#pragma once
// Outlines of the strip's elements as lists of polygons with their brushes
// and pens, and the state of one tab drag. Both are shared through
// std::shared_ptr (TDeckTabPolygonsRef, TDragTabObjectRef).
#include "controls/tabs/DeckTabsInterfaces.h"
#include "controls/tabs/DeckTabsUtils.h"
#include "platform/graphics/GdiPlus.h"
#include <memory>
#include <vector>

class TCustomForm;

enum TDrawToFunctions { dfBrush, dfPen, dfBrushAndPen };
enum TDragOverType { dotNone, dotHomeContainer, dotRemoteContainer };

// One polygon of a list. The brush and pen are not owned.
class TDeckTabPolygon : public TObject {
public:
    TPolygon Polygon;
    TGPBrush* Brush = nullptr;
    TGPPen* Pen = nullptr;
};

class IDeckTabPolygons {
public:
    virtual ~IDeckTabPolygons() = default;
    virtual int PolygonCount() const = 0;
    // Raises EListError outside 0..PolygonCount-1.
    virtual TDeckTabPolygon* GetPolygons(int Index) const = 0;
    // Appends a polygon; returns the list itself so that calls chain.
    // Note: Polygon's points are shared, not copied.
    virtual IDeckTabPolygons* AddPolygon(const TPolygon& Polygon, TGPBrush* Brush, TGPPen* Pen) = 0;
    // Fills and/or outlines each polygon in list order.
    virtual void DrawTo(TGPGraphics* TargetCanvas, TDrawToFunctions DrawToFunctions) = 0;
};

class TDeckTabPolygons : public IDeckTabPolygons {
public:
    int PolygonCount() const override { return int(FPolygons.size()); }
    TDeckTabPolygon* GetPolygons(int Index) const override;
    IDeckTabPolygons* AddPolygon(const TPolygon& Polygon, TGPBrush* Brush, TGPPen* Pen) override;
    void DrawTo(TGPGraphics* TargetCanvas, TDrawToFunctions DrawToFunctions) override;

private:
    std::vector<std::unique_ptr<TDeckTabPolygon>> FPolygons;
};

inline TDeckTabPolygonsRef NewDeckTabPolygons() { return std::make_shared<TDeckTabPolygons>(); }

// Fills (FillModeAlternate) or outlines one closed polygon.
void FillGPPolygon(TGPGraphics* Graphics, TGPBrush* Brush, const TPolygon& Polygon);
void DrawGPPolygon(TGPGraphics* Graphics, TGPPen* Pen, const TPolygon& Polygon);

// The state of one tab drag, shared by the source strip and the strip
// under the mouse.
class IDragTabObject {
public:
    virtual ~IDragTabObject() = default;
    virtual TPoint DragCursorOffset() const = 0;
    virtual TCustomForm* DragForm() const = 0;
    virtual TPoint DragFormOffset() const = 0;
    virtual TPoint DragPoint() const = 0;
    virtual TDeckTab* DragTab() const = 0;
    virtual int DropTabIndex() const = 0;
    virtual bool HideAddButton() const = 0;
    virtual TRect OriginalControlRect() const = 0;
    virtual IDeckTabDockControl* SourceControl() const = 0;
    virtual IDeckTabDockControl* DockControl() const = 0;
    virtual TCursor OriginalCursor() const = 0;
    virtual TDragOverType DragOverType() const = 0;
    virtual void SetDragCursorOffset(TPoint Value) = 0;
    virtual void SetDragForm(TCustomForm* Value) = 0;
    virtual void SetDragFormOffset(TPoint Value) = 0;
    virtual void SetDragPoint(TPoint Value) = 0;
    virtual void SetDragTab(TDeckTab* Value) = 0;
    virtual void SetDropTabIndex(int Value) = 0;
    virtual void SetHideAddButton(bool Value) = 0;
    virtual void SetOriginalControlRect(TRect Value) = 0;
    virtual void SetSourceControl(IDeckTabDockControl* Value) = 0;
    virtual void SetDockControl(IDeckTabDockControl* Value) = 0;
    virtual void SetOriginalCursor(TCursor Value) = 0;
    virtual void SetDragOverType(TDragOverType Value) = 0;
};

class TDragTabObject : public IDragTabObject {
public:
    // Releases the drag image window when one is held.
    ~TDragTabObject() override;

    TPoint DragCursorOffset() const override { return FDragCursorOffset; }
    TCustomForm* DragForm() const override { return FDragForm; }
    TPoint DragFormOffset() const override { return FDragFormOffset; }
    TPoint DragPoint() const override { return FDragPoint; }
    TDeckTab* DragTab() const override { return FDragTab; }
    int DropTabIndex() const override { return FDropTabIndex; }
    bool HideAddButton() const override { return FHideAddButton; }
    TRect OriginalControlRect() const override { return FOriginalControlRect; }
    IDeckTabDockControl* SourceControl() const override { return FSourceControl; }
    IDeckTabDockControl* DockControl() const override { return FDockControl; }
    TCursor OriginalCursor() const override { return FOriginalCursor; }
    TDragOverType DragOverType() const override { return FDragOverType; }
    void SetDragCursorOffset(TPoint Value) override { FDragCursorOffset = Value; }
    void SetDragForm(TCustomForm* Value) override { FDragForm = Value; }
    void SetDragFormOffset(TPoint Value) override { FDragFormOffset = Value; }
    void SetDragPoint(TPoint Value) override { FDragPoint = Value; }
    void SetDragTab(TDeckTab* Value) override { FDragTab = Value; }
    void SetDropTabIndex(int Value) override { FDropTabIndex = Value; }
    void SetHideAddButton(bool Value) override { FHideAddButton = Value; }
    void SetOriginalControlRect(TRect Value) override { FOriginalControlRect = Value; }
    void SetSourceControl(IDeckTabDockControl* Value) override { FSourceControl = Value; }
    void SetDockControl(IDeckTabDockControl* Value) override { FDockControl = Value; }
    void SetOriginalCursor(TCursor Value) override { FOriginalCursor = Value; }
    void SetDragOverType(TDragOverType Value) override { FDragOverType = Value; }

private:
    TDeckTab* FDragTab = nullptr;
    TPoint FDragCursorOffset;
    TPoint FDragFormOffset;
    TPoint FDragPoint;
    bool FHideAddButton = false;
    TRect FOriginalControlRect;
    int FDropTabIndex = 0;
    TCustomForm* FDragForm = nullptr;
    IDeckTabDockControl* FSourceControl = nullptr;
    IDeckTabDockControl* FDockControl = nullptr;
    TCursor FOriginalCursor = crDefault;
    TDragOverType FDragOverType = dotNone;
};
