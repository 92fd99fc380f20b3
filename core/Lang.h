#pragma once
// The UI text table and its language files. Every caption, hint and
// message of the windows is Lang_SL->Strings(index) of a fixed index.
//
// Language file lines (any other line is a comment):
//   STR<index> = <text>          e.g. "STR12 = Information"
//   STR<index> = <text> /#/ remark
//   STR<index> = ¶  text with blanks kept  ¶
// Note: the character just before "=" never belongs to the index, so
// "STR12= x" sets entry 1.
#include <QString>
#include <QStringList>

class TStringList;

// Number of entries once the built-in texts are loaded (0 before).
constexpr int Lang_Default_Count = 2100;

// Texts by index 0..Lang_Count-1; an entry without a text holds " ".
// Created by Load_Default_Lang when the front end has not created it.
extern TStringList* Lang_SL;
extern int Lang_Count;
// Message of the language file that Load_Language could not read; empty
// when the last load read its file (or had none).
extern QString Lang_Load_Error;

// Clears the table and fills it with the built-in English texts.
void Load_Default_Lang();
// Applies one language file; entries it does not name keep their text.
// Raises EFOpenError when the file cannot be read.
void Load_Lang_File(const QString& FileName);
// Applies language-file lines already read.
void Apply_Lang_Lines(const QStringList& Lines);
// Built-in texts, then Language_Dir + "/" + Language_Name + ".lng". When
// that file is missing, Language_Name becomes "English" and "English.lng"
// is applied if it exists. A file that cannot be read leaves the built-in
// texts and sets Lang_Load_Error; it never raises.
void Load_Language();
