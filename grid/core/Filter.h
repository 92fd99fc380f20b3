#pragma once
// The grid's filter: an ordered collection of conditions (TFilter of
// TFilterData), the look of the filter value list (TFilterDropDown) and the
// two lists that show a column's filter values (TDropList for one choice,
// TDropCheckList for several).
#include "grid/core/GridCoreTypes.h"
#include "platform/controls/CheckListBox.h"
#include "platform/controls/ListBox.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Collection.h"
#include <QString>
#include <cstdint>
#include <memory>

class IGridSettingsOwner;
class TBitmap;
class TFont;

// One condition.
class TFilterData : public TCollectionItem {
public:
    explicit TFilterData(TCollection* Collection = nullptr) : TCollectionItem(Collection) {}

    // From a TFilterData; Method is not copied. Other sources are ignored.
    void Assign(TPersistent* Source) override;

    // Real column index the condition tests.
    int16_t Column() const { return FColumn; }
    void SetColumn(int16_t Value) { FColumn = Value; }
    // Empty matches every row.
    const QString& Condition() const { return FCondition; }
    void SetCondition(const QString& Value) { FCondition = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    // Removed from the end (start) of the cell text before the test.
    const QString& Suffix() const { return FSuffix; }
    void SetSuffix(const QString& Value) { FSuffix = Value; }
    const QString& Prefix() const { return FPrefix; }
    void SetPrefix(const QString& Value) { FPrefix = Value; }
    // How this result combines with the result so far.
    TFilterOperation Operation() const { return FOperation; }
    void SetOperation(TFilterOperation Value) { FOperation = Value; }
    // Which text of the row is tested.
    TFilterCells Data() const { return FData; }
    void SetData(TFilterCells Value) { FData = Value; }
    TFilterMethod Method() const { return FMethod; }
    void SetMethod(TFilterMethod Value) { FMethod = Value; }

private:
    int16_t FColumn = 0;
    QString FCondition;
    bool FCaseSensitive = true;
    QString FSuffix;
    QString FPrefix;
    TFilterOperation FOperation = foSHORT;
    TFilterCells FData = fcVirtual;
    TFilterMethod FMethod = fmExpression;
};

class TFilter : public TCollection {
public:
    explicit TFilter(IGridSettingsOwner* AOwner);

    TPersistent* GetOwner() const override;

    // Appends a condition: foNONE when it is the only one, else foAND.
    TFilterData* Add();
    // Note: appends at the end whatever Index says, leaving the
    // operation at foSHORT.
    TFilterData* Insert(int Index);
    TFilterData* Items(int Index) const { return static_cast<TFilterData*>(TCollection::Items(Index)); }
    void SetItems(int Index, TFilterData* Value) { TCollection::SetItems(Index, Value); }
    // The first condition of the column; a new one when there is none.
    TFilterData* GetColFilter(int Col);
    bool HasFilter(int Col) const;
    // Deletes every condition of the column and repaints its header cell.
    void RemoveColumnFilter(int Col);

private:
    IGridSettingsOwner* FOwner;
};

// The look of the filter value list. OnChange fires when a glyph changes.
class TFilterDropDown : public TPersistent {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;

    // Copies all but AutoSize.
    void Assign(TPersistent* Source) override;

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    // The list takes the width of the column.
    bool ColumnWidth() const { return FColumnWidth; }
    void SetColumnWidth(bool Value) { FColumnWidth = Value; }
    // The setters copy the object in.
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    // The filter button without and with an active filter.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value);
    TBitmap* GlyphActive() const { return FGlyphActive.get(); }
    void SetGlyphActive(TBitmap* Value);

    TNotifyEvent OnChange;

private:
    void Changed();

    bool FAutoSize = false;
    int FHeight = 150;
    int FWidth = 150;
    TColor FColor = clWindow;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TBitmap> FGlyphActive;
    bool FColumnWidth = false;
};

using TDropSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

// The single-choice list: Return or a click hides it and fires OnSelect.
class TDropList : public TListBox {
public:
    // AOwner is the grid.
    explicit TDropList(TComponent* AOwner = nullptr) : TListBox(AOwner) {}

    TDropSelectEvent OnSelect;

protected:
    // A cancelled mode with the pointer outside closes the list.
    void WndProc(TMessage& Message) override;
    void KeyPress(QChar& Key) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void Select();
};

// The multi-choice list: it stays open; each toggled box fires OnSelect
// with index -1.
class TDropCheckList : public TCheckListBox {
public:
    explicit TDropCheckList(TComponent* AOwner = nullptr) : TCheckListBox(AOwner) {}

    TDropSelectEvent OnSelect;

protected:
    void WndProc(TMessage& Message) override;
    void ClickCheck() override;
};
