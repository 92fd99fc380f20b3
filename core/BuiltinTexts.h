#pragma once
// The built-in English texts of the UI text table, in ascending index order.
// Indexes that are not listed hold a single blank in the table.

struct TBuiltinText {
    int Index;
    const char16_t* Text;
};

extern const TBuiltinText Builtin_Texts[];
extern const int Builtin_Text_Count;
