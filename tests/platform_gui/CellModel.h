#pragma once
// A plain reference for the cell store: a map from (row, column) to a text
// and an object, rebuilt through an index mapping for every move.
#include "platform/rtl/Object.h"
#include <QString>
#include <functional>
#include <map>
#include <random>
#include <utility>

struct CellModel {
    struct Cell {
        QString Text;
        TObject* Object = nullptr;
    };
    // Keyed (row, column).
    std::map<std::pair<int, int>, Cell> Cells;

    void SetText(int c, int r, const QString& s) { Put(c, r, [&](Cell& x) { x.Text = s; }); }
    void SetObject(int c, int r, TObject* o) { Put(c, r, [&](Cell& x) { x.Object = o; }); }
    QString Text(int c, int r) const
    {
        auto it = Cells.find({r, c});
        return it == Cells.end() ? QString() : it->second.Text;
    }
    TObject* Object(int c, int r) const
    {
        auto it = Cells.find({r, c});
        return it == Cells.end() ? nullptr : it->second.Object;
    }
    int LastRow() const { return Cells.empty() ? -1 : Cells.rbegin()->first.first; }

    // Each row (column) goes to Map(index); -1 drops it.
    void MapRows(const std::function<int(int)>& Map) { Remap(Map, true); }
    void MapCols(const std::function<int(int)>& Map) { Remap(Map, false); }

    static std::function<int(int)> Move(int From, int To)
    {
        return [=](int i) {
            if (i == From)
                return To;
            if (From < To && i > From && i <= To)
                return i - 1;
            if (From > To && i >= To && i < From)
                return i + 1;
            return i;
        };
    }
    static std::function<int(int)> Exchange(int A, int B)
    {
        return [=](int i) { return i == A ? B : i == B ? A : i; };
    }
    static std::function<int(int)> Insert(int At)
    {
        return [=](int i) { return i >= At ? i + 1 : i; };
    }
    static std::function<int(int)> Delete(int At)
    {
        return [=](int i) { return i == At ? -1 : i > At ? i - 1 : i; };
    }
    static std::function<int(int)> Clear(int At)
    {
        return [=](int i) { return i == At ? -1 : i; };
    }

private:
    template <typename F>
    void Put(int c, int r, F Change)
    {
        Cell& x = Cells[{r, c}];
        Change(x);
        if (x.Text.isEmpty() && !x.Object)
            Cells.erase({r, c});
    }
    void Remap(const std::function<int(int)>& Map, bool IsRow)
    {
        std::map<std::pair<int, int>, Cell> next;
        for (const auto& [key, cell] : Cells) {
            const int i = Map(IsRow ? key.first : key.second);
            if (i >= 0)
                next[IsRow ? std::make_pair(i, key.second) : std::make_pair(key.first, i)] = cell;
        }
        Cells.swap(next);
    }
};

// Random texts of 0 to 9 characters, some beyond Latin-1 and some outside
// the basic plane; an empty one clears the cell's text.
inline QString RandomText(std::mt19937& Rng)
{
    static const char16_t Pool[] = u"ab9 ,\"=\u00e9\u20ac\U0001F600";
    const int len = int(Rng() % 10);
    QString s;
    for (int i = 0; i < len; ++i) {
        const std::size_t k = Rng() % (std::size(Pool) - 1);
        // The last two code units are one surrogate pair.
        if (k >= std::size(Pool) - 3)
            s += QString::fromUtf16(Pool + std::size(Pool) - 3, 2);
        else
            s += QChar(Pool[k]);
    }
    return s;
}
