#pragma once
// What the list drop-downs share of typing: completing the edit's text
// against a list of entries, and the search text of keys typed while a
// list is looked up.
#include "platform/rtl/Object.h"
#include <QString>
#include <functional>

class TCustomEdit;
class TTimer;

// The first of Count entries that starts with Typed, both case-folded
// unless MatchCase; -1 when none does. Note: an empty Typed matches nothing.
int FindCompletion(const QString& Typed, int Count, const std::function<QString(int)>& Entry, bool MatchCase);

// Steps of a list's choice.
enum TListStep { lsFirst, lsLast, lsNext, lsPrevious };

// The index Step gives from Index among Count items: first and last when
// there are items, next and previous 0 when nothing is chosen, else the
// neighbour when there is one. False when the step goes nowhere.
bool ListStep(int Index, int Count, TListStep Step, int& Target);

// A completion that happened: for which entry, after how many typed
// characters.
struct TCompletion {
    bool Changed = false;
    int Index = -1;
    int Typed = 0;
};

// Completes the part of Shown (Edit's text) before Caret with the first
// matching entry and selects the completed tail (the caret stays after the
// typed part); without a match the text after the caret is dropped. The
// text is written with Write.
TCompletion CompleteEditText(TCustomEdit* Edit, const QString& Shown, int Caret, int Count,
                             const std::function<QString(int)>& Entry, bool MatchCase,
                             const std::function<void(const QString&)>& Write);

// The keys typed into a list within 500 ms of the first one. The first key
// starts the timer, further keys do not restart it; when it fires the text
// empties.
class TKeySearch {
public:
    explicit TKeySearch(TComponent* AOwner);
    ~TKeySearch();

    // Appends the key's character (virtual-key codes of letters are the
    // upper-case letters); modifier keys add nothing.
    const QString& Add(int Key);
    const QString& Text() const { return FText; }
    void Clear() { FText.clear(); }
    TTimer* Timer() const { return FTimer; }

private:
    QString FText;
    TTimer* FTimer;
};
