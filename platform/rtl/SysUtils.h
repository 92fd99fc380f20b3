#pragma once
// The framework's string, number, file-name and file-system routines.
// Indexes into strings are 1-based, as the framework's are.
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Set.h"
#include <QString>
#include <cstdint>
#include <initializer_list>

// One argument of Format. Integers, floating values, strings (QString,
// UTF-8 char pointers, QChar) and other pointers convert implicitly.
// Note: a char16_t literal such as u'x' becomes an integer; pass QChar(u'x').
class TVarRec {
public:
    enum TKind { vtInteger, vtInt64, vtExtended, vtString, vtChar, vtPointer };

    TVarRec(int v) : FKind(vtInteger), FInt(v) {}
    TVarRec(unsigned v) : FKind(vtInt64), FInt(v) {}
    TVarRec(long v) : FKind(vtInt64), FInt(v) {}
    TVarRec(unsigned long v) : FKind(vtInt64), FInt(static_cast<int64_t>(v)) {}
    TVarRec(long long v) : FKind(vtInt64), FInt(v) {}
    TVarRec(unsigned long long v) : FKind(vtInt64), FInt(static_cast<int64_t>(v)) {}
    TVarRec(double v) : FKind(vtExtended), FFloat(v) {}
    TVarRec(const QString& v) : FKind(vtString), FString(v) {}
    TVarRec(const char* v) : FKind(vtString), FString(QString::fromUtf8(v)) {}
    TVarRec(QChar v) : FKind(vtChar), FString(v) {}
    TVarRec(const void* v) : FKind(vtPointer), FPointer(v) {}

    TKind Kind() const { return FKind; }
    int64_t AsInt64() const { return FInt; }
    double AsDouble() const { return FFloat; }
    const QString& AsString() const { return FString; }
    const void* AsPointer() const { return FPointer; }

private:
    TKind FKind;
    int64_t FInt = 0;
    double FFloat = 0;
    QString FString;
    const void* FPointer = nullptr;
};

// Integers
QString IntToStr(int Value);
QString IntToStr(long Value);
QString IntToStr(long long Value);
QString IntToStr(unsigned Value);
QString IntToStr(unsigned long Value);
QString IntToStr(unsigned long long Value);
// Upper-case hex, zero-padded to at least Digits. A negative value shows
// the two's complement of its own width (32 bits for int).
QString IntToHex(int Value, int Digits);
QString IntToHex(unsigned Value, int Digits);
QString IntToHex(long Value, int Digits);
QString IntToHex(long long Value, int Digits);
QString IntToHex(unsigned long Value, int Digits);
QString IntToHex(unsigned long long Value, int Digits);
// Accepts leading blanks, a sign, "$", "0x" or "x" hex prefixes; raises
// EConvertError "'x' is not a valid integer value".
int StrToInt(const QString& S);
int StrToIntDef(const QString& S, int Default);
bool TryStrToInt(const QString& S, int& Value);
int64_t StrToInt64(const QString& S);
int64_t StrToInt64Def(const QString& S, int64_t Default);
bool TryStrToInt64(const QString& S, int64_t& Value);

// Floats
// 15 significant digits, shortest form, the settings' decimal separator.
QString FloatToStr(double Value);
QString FloatToStr(double Value, const TFormatSettings& Settings);
// Raises EConvertError "'x' is not a valid floating point value".
double StrToFloat(const QString& S);
double StrToFloat(const QString& S, const TFormatSettings& Settings);
double StrToFloatDef(const QString& S, double Default);
bool TryStrToFloat(const QString& S, double& Value);
bool TryStrToFloat(const QString& S, double& Value, const TFormatSettings& Settings);
// The conversion of the framework's Val: "." as decimal point, leading
// spaces, an optional exponent. Code is 0 on success, else the 1-based
// position of the first character that does not fit; Value then holds
// the number read up to that character.
void Val(const QString& S, double& Value, int& Code);
// Picture format: 0 # . , E+ E- e+ e- 'text' "text", up to three
// sections (positive;negative;zero) separated by ";".
QString FormatFloat(const QString& Format, double Value);
QString FormatFloat(const QString& Format, double Value, const TFormatSettings& Settings);

// Specifiers %[index:][-][width][.prec]type with type d u e f g n m p s x;
// "*" takes width or precision from the arguments. Raises EConvertError
// "Format 'fmt' invalid or incompatible with argument".
QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args);
QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args,
               const TFormatSettings& Settings);

// Rounding: half to even.
int64_t Round(double Value);
int64_t Trunc(double Value);
double Frac(double Value);
double Int(double Value);
template <typename T> constexpr T Min(T a, T b) { return b < a ? b : a; }
template <typename T> constexpr T Max(T a, T b) { return a < b ? b : a; }

// Strings
// Removes characters up to U+0020 at both / the left / the right end.
QString Trim(const QString& S);
QString TrimLeft(const QString& S);
QString TrimRight(const QString& S);
// ASCII letters only.
QString UpperCase(const QString& S);
QString LowerCase(const QString& S);
// Every Unicode letter.
QString AnsiUpperCase(const QString& S);
QString AnsiLowerCase(const QString& S);
// Ordinal comparisons: < 0, 0 or > 0.
int CompareStr(const QString& S1, const QString& S2);
// Ignores ASCII case.
int CompareText(const QString& S1, const QString& S2);
// Deterministic: Unicode case folding first, then ordinal as a tie-breaker.
int AnsiCompareStr(const QString& S1, const QString& S2);
int AnsiCompareText(const QString& S1, const QString& S2);
bool SameText(const QString& S1, const QString& S2);
bool AnsiSameText(const QString& S1, const QString& S2);
// 1-based position of Substr in S, 0 when absent.
int Pos(const QString& Substr, const QString& S);
int PosEx(const QString& Substr, const QString& S, int Offset = 1);
// Count characters from the 1-based Index; out-of-range values are clamped.
QString Copy(const QString& S, int Index, int Count = 0x7FFFFFFF);
void Delete(QString& S, int Index, int Count);
void Insert(const QString& Source, QString& S, int Index);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
// Written as the framework's set: {rfReplaceAll, rfIgnoreCase}.
using TReplaceFlags = Set<TReplaceFlag>;
QString StringReplace(const QString& S, const QString& OldPattern, const QString& NewPattern,
                      TReplaceFlags Flags);
// 'text' with inner quotes doubled.
QString QuotedStr(const QString& S);
QString AnsiQuotedStr(const QString& S, QChar Quote);
// Removes the quotes and undoubles inner ones; S unchanged when it does
// not start with Quote.
QString AnsiDequotedStr(const QString& S, QChar Quote);
QString StringOfChar(QChar Ch, int Count);
// Is S[Index] (1-based) one of Delimiters?
bool IsDelimiter(const QString& Delimiters, const QString& S, int Index);
// 1-based index of the last character of S in Delimiters, 0 when none.
int LastDelimiter(const QString& Delimiters, const QString& S);

// File names. "/" is the delimiter; "\" also separates names when
// extracting, since stored paths may come from Windows.
constexpr QChar PathDelim = u'/';
QString ExtractFilePath(const QString& FileName);
QString ExtractFileDir(const QString& FileName);
QString ExtractFileName(const QString& FileName);
QString ExtractFileExt(const QString& FileName);
QString ChangeFileExt(const QString& FileName, const QString& Extension);
QString IncludeTrailingPathDelimiter(const QString& S);
QString ExcludeTrailingPathDelimiter(const QString& S);
QString ExpandFileName(const QString& FileName);

// File system
bool FileExists(const QString& FileName);
bool DirectoryExists(const QString& Directory);
// Creates Dir with its missing parents. Note: a failure sets the code
// GetLastOSError reads, as CreateDir does.
bool ForceDirectories(const QString& Dir);
// One level; false when Dir exists already or cannot be made.
bool CreateDir(const QString& Dir);
// The system's error code of the last failed CreateDir or
// ForceDirectories on this thread (0 after a success).
int GetLastOSError();
// The system's text for an error code ("Read-only file system").
QString SysErrorMessage(int ErrorCode);
bool RemoveDir(const QString& Dir);
bool DeleteFile(const QString& FileName);
bool RenameFile(const QString& OldName, const QString& NewName);
QString GetCurrentDir();
bool SetCurrentDir(const QString& Dir);
// Modification time as a TDateTime, -1 when the file does not exist.
double FileAge(const QString& FileName);
bool FileSetDate(const QString& FileName, double Age);

constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faNormal = 0x80;
constexpr int faAnyFile = 0x1FF;

struct TSearchRecState;

struct TSearchRec {
    QString Name;
    int64_t Size = 0;
    int Attr = 0;
    // Modification time as a TDateTime.
    double Time = 0;
    TSearchRecState* FindHandle = nullptr;
};

// Path is a folder and a pattern with "*" and "?"; files are always found,
// folders, hidden (dot) files and the like only when Attr asks for them.
// Returns 0 on success, an error code otherwise. "." and ".." are never
// returned; the mask "*.*" matches every name. Note: call FindClose even
// when FindFirst fails.
int FindFirst(const QString& Path, int Attr, TSearchRec& F);
int FindNext(TSearchRec& F);
void FindClose(TSearchRec& F);
// True when Name matches Mask ("*" any run, "?" one character, case-sensitive).
bool MatchesMask(const QString& Name, const QString& Mask);
