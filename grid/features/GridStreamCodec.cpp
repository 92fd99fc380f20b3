#include "grid/features/GridStreamCodec.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <cmath>
#include <cstring>

namespace {

constexpr int MaxDepth = 32;

[[noreturn]] void InvalidFormat() { throw EReadError(QStringLiteral("Invalid stream format")); }

} // namespace

// Values

TStreamValue::TStreamValue() = default;
TStreamValue::TStreamValue(const TStreamValue&) = default;
TStreamValue::TStreamValue(TStreamValue&&) noexcept = default;
TStreamValue& TStreamValue::operator=(const TStreamValue&) = default;
TStreamValue& TStreamValue::operator=(TStreamValue&&) noexcept = default;
TStreamValue::~TStreamValue() = default;

TStreamValue TStreamValue::Integer(int64_t V)
{
    TStreamValue v;
    v.Int = V;
    if (V >= -128 && V <= 127)
        v.Type = vaInt8;
    else if (V >= -32768 && V <= 32767)
        v.Type = vaInt16;
    else if (V >= INT32_MIN && V <= INT32_MAX)
        v.Type = vaInt32;
    else
        v.Type = vaInt64;
    return v;
}

TStreamValue TStreamValue::Boolean(bool V)
{
    TStreamValue v;
    v.Type = V ? vaTrue : vaFalse;
    v.Int = V;
    return v;
}

TStreamValue TStreamValue::Ident(const QString& V)
{
    TStreamValue v;
    v.Type = vaIdent;
    v.Text = V;
    return v;
}

TStreamValue TStreamValue::String(const QString& V)
{
    TStreamValue v;
    v.Text = V;
    const QByteArray utf8 = V.toUtf8();
    bool wide = false;
    for (char c : utf8)
        wide = wide || uchar(c) >= 0x80;
    if (utf8.size() >= 2 * V.size() && !V.isEmpty())
        v.Type = vaWString;
    else if (wide)
        v.Type = vaUTF8String;
    else
        v.Type = utf8.size() >= 256 ? vaLString : vaString;
    return v;
}

TStreamValue TStreamValue::Extended(double V)
{
    TStreamValue v;
    v.Type = vaExtended;
    v.Float = V;
    return v;
}

TStreamValue TStreamValue::Binary(const QByteArray& V)
{
    TStreamValue v;
    v.Type = vaBinary;
    v.Bytes = V;
    return v;
}

TStreamValue TStreamValue::SetOf(const QStringList& V)
{
    TStreamValue v;
    v.Type = vaSet;
    v.Names = V;
    return v;
}

TStreamValue TStreamValue::ListOf(std::vector<TStreamValue> V)
{
    TStreamValue v;
    v.Type = vaList;
    v.List = std::move(V);
    return v;
}

TStreamValue TStreamValue::Collection(std::vector<TStreamProps> V)
{
    TStreamValue v;
    v.Type = vaCollection;
    v.Items = std::move(V);
    return v;
}

bool TStreamValue::IsInteger() const
{
    return Type == vaInt8 || Type == vaInt16 || Type == vaInt32 || Type == vaInt64;
}

bool TStreamValue::IsString() const
{
    return Type == vaString || Type == vaLString || Type == vaWString || Type == vaUTF8String;
}

const TStreamValue* TStreamObject::Find(const QString& PropName) const
{
    for (const auto& p : Props)
        if (p.first == PropName)
            return &p.second;
    return nullptr;
}

// 80-bit floats

void DoubleToExtended(double V, uint8_t Out[10])
{
    uint64_t mant = 0;
    int exp = 0;
    const bool neg = std::signbit(V);
    if (std::isnan(V)) {
        exp = 0x7FFF;
        mant = 0xC000000000000000ULL;
    } else if (std::isinf(V)) {
        exp = 0x7FFF;
        mant = 0x8000000000000000ULL;
    } else if (V != 0) {
        int e = 0;
        // |V| = f * 2^e with f in [0.5, 1): the mantissa holds f * 2^64.
        const double f = std::frexp(std::fabs(V), &e);
        mant = uint64_t(std::ldexp(f, 64));
        exp = e - 1 + 16383;
    }
    for (int i = 0; i < 8; ++i)
        Out[i] = uint8_t(mant >> (8 * i));
    const int top = exp | (neg ? 0x8000 : 0);
    Out[8] = uint8_t(top & 0xFF);
    Out[9] = uint8_t(top >> 8);
}

double ExtendedToDouble(const uint8_t In[10])
{
    uint64_t mant = 0;
    for (int i = 7; i >= 0; --i)
        mant = (mant << 8) | In[i];
    const int top = In[8] | (In[9] << 8);
    const bool neg = top & 0x8000;
    const int exp = top & 0x7FFF;
    double v;
    if (exp == 0x7FFF)
        v = (mant << 1) == 0 ? INFINITY : NAN;
    else if (exp == 0 && mant == 0)
        v = 0;
    else
        v = std::ldexp(double(mant), exp - 16383 - 63);
    return neg ? -v : v;
}

// Writing

void TObjectWriter::WriteByte(uint8_t B) { FStream->WriteBuffer(&B, 1); }

void TObjectWriter::WriteInt(int64_t V, int Bytes)
{
    uint8_t b[8];
    for (int i = 0; i < Bytes; ++i)
        b[i] = uint8_t(uint64_t(V) >> (8 * i));
    FStream->WriteBuffer(b, Bytes);
}

void TObjectWriter::WriteShortString(const QByteArray& S)
{
    const QByteArray s = S.left(255);
    WriteByte(uint8_t(s.size()));
    FStream->WriteBuffer(s.constData(), s.size());
}

void TObjectWriter::WriteRootObject(const TStreamObject& Obj)
{
    FStream->WriteBuffer("TPF0", 4);
    WriteObject(Obj);
}

void TObjectWriter::WriteObject(const TStreamObject& Obj)
{
    WriteShortString(Obj.ClassName.toLatin1());
    WriteShortString(Obj.Name.toLatin1());
    WriteProps(Obj.Props);
    for (const TStreamObject& child : Obj.Children)
        WriteObject(child);
    WriteByte(0);
}

void TObjectWriter::WriteProps(const TStreamProps& Props)
{
    for (const auto& p : Props) {
        WriteShortString(p.first.toLatin1());
        WriteValue(p.second);
    }
    WriteByte(0);
}

void TObjectWriter::WriteValue(const TStreamValue& V)
{
    WriteByte(V.Type);
    switch (V.Type) {
    case vaInt8:
        WriteInt(V.Int, 1);
        break;
    case vaInt16:
        WriteInt(V.Int, 2);
        break;
    case vaInt32:
        WriteInt(V.Int, 4);
        break;
    case vaInt64:
        WriteInt(V.Int, 8);
        break;
    case vaExtended: {
        uint8_t b[10];
        DoubleToExtended(V.Float, b);
        FStream->WriteBuffer(b, 10);
        break;
    }
    case vaString:
    case vaIdent:
        WriteShortString(V.Text.toLatin1());
        break;
    case vaLString: {
        const QByteArray b = V.Text.toLatin1();
        WriteInt(b.size(), 4);
        FStream->WriteBuffer(b.constData(), b.size());
        break;
    }
    case vaWString:
        WriteInt(V.Text.size(), 4);
        for (QChar c : V.Text)
            WriteInt(c.unicode(), 2);
        break;
    case vaUTF8String: {
        const QByteArray b = V.Text.toUtf8();
        WriteInt(b.size(), 4);
        FStream->WriteBuffer(b.constData(), b.size());
        break;
    }
    case vaBinary:
        WriteInt(V.Bytes.size(), 4);
        FStream->WriteBuffer(V.Bytes.constData(), V.Bytes.size());
        break;
    case vaSet:
        for (const QString& n : V.Names)
            WriteShortString(n.toLatin1());
        WriteByte(0);
        break;
    case vaList:
        for (const TStreamValue& item : V.List)
            WriteValue(item);
        WriteByte(0);
        break;
    case vaCollection:
        for (const TStreamProps& item : V.Items) {
            WriteByte(vaList);
            WriteProps(item);
        }
        WriteByte(0);
        break;
    default:
        break;
    }
}

// Reading

TObjectReader::TObjectReader(TStream* Stream)
    : FStream(Stream), FPos(Stream->Position()), FSize(Stream->Size())
{
}

uint8_t TObjectReader::ReadByte()
{
    uint8_t b = 0;
    FStream->ReadBuffer(&b, 1);
    ++FPos;
    return b;
}

int64_t TObjectReader::ReadInt(int Bytes)
{
    uint8_t b[8] = {};
    FStream->ReadBuffer(b, Bytes);
    FPos += Bytes;
    uint64_t v = 0;
    for (int i = Bytes - 1; i >= 0; --i)
        v = (v << 8) | b[i];
    // Sign-extend from the value's width.
    const int shift = 64 - 8 * Bytes;
    return int64_t(v << shift) >> shift;
}

uint32_t TObjectReader::ReadCount() { return uint32_t(ReadInt(4)); }

QByteArray TObjectReader::ReadBytes(long long Count)
{
    if (Count < 0 || Count > FSize - FPos)
        throw EReadError(QStringLiteral("Stream read error"));
    QByteArray b(Count, Qt::Uninitialized);
    FStream->ReadBuffer(b.data(), Count);
    FPos += Count;
    return b;
}

QByteArray TObjectReader::ReadShortString() { return ReadBytes(ReadByte()); }

TStreamObject TObjectReader::ReadRootObject()
{
    if (ReadBytes(4) != "TPF0")
        InvalidFormat();
    return ReadObject(0);
}

TStreamObject TObjectReader::ReadObject(int Depth)
{
    if (Depth > MaxDepth)
        InvalidFormat();
    TStreamObject obj;
    obj.ClassName = QString::fromLatin1(ReadShortString());
    if (obj.ClassName.isEmpty())
        InvalidFormat();
    obj.Name = QString::fromLatin1(ReadShortString());
    obj.Props = ReadProps(Depth);
    for (;;) {
        uint8_t b = 0;
        FStream->ReadBuffer(&b, 1);
        if (b == 0) {
            ++FPos;
            break;
        }
        FStream->Seek(-1, TSeekOrigin::soCurrent);
        obj.Children.push_back(ReadObject(Depth + 1));
    }
    return obj;
}

TStreamProps TObjectReader::ReadProps(int Depth)
{
    TStreamProps props;
    for (;;) {
        const QByteArray name = ReadShortString();
        if (name.isEmpty())
            return props;
        props.emplace_back(QString::fromLatin1(name), ReadValue(Depth + 1));
    }
}

TStreamValue TObjectReader::ReadValue(int Depth)
{
    if (Depth > MaxDepth)
        InvalidFormat();
    TStreamValue v;
    v.Type = TValueType(ReadByte());
    switch (v.Type) {
    case vaInt8:
        v.Int = ReadInt(1);
        break;
    case vaInt16:
        v.Int = ReadInt(2);
        break;
    case vaInt32:
        v.Int = ReadInt(4);
        break;
    case vaInt64:
        v.Int = ReadInt(8);
        break;
    case vaExtended: {
        const QByteArray b = ReadBytes(10);
        v.Float = ExtendedToDouble(reinterpret_cast<const uint8_t*>(b.constData()));
        break;
    }
    case vaSingle: {
        const uint32_t bits = uint32_t(ReadInt(4));
        float f;
        std::memcpy(&f, &bits, 4);
        v.Float = f;
        break;
    }
    case vaDate:
    case vaCurrency: {
        const int64_t bits = ReadInt(8);
        if (v.Type == vaCurrency) {
            v.Float = double(bits) / 10000.0;
        } else {
            double d;
            std::memcpy(&d, &bits, 8);
            v.Float = d;
        }
        break;
    }
    case vaString:
        v.Text = AnsiToUtf16(ReadShortString());
        break;
    case vaIdent:
        v.Text = QString::fromLatin1(ReadShortString());
        break;
    case vaLString:
        v.Text = AnsiToUtf16(ReadBytes(ReadCount()));
        break;
    case vaUTF8String:
        v.Text = QString::fromUtf8(ReadBytes(ReadCount()));
        break;
    case vaWString: {
        const QByteArray b = ReadBytes(2LL * ReadCount());
        v.Text = QString(reinterpret_cast<const QChar*>(b.constData()), b.size() / 2);
        break;
    }
    case vaBinary:
        v.Bytes = ReadBytes(ReadCount());
        break;
    case vaSet:
        for (;;) {
            const QByteArray n = ReadShortString();
            if (n.isEmpty())
                break;
            v.Names << QString::fromLatin1(n);
        }
        break;
    case vaList:
        for (;;) {
            uint8_t b = 0;
            FStream->ReadBuffer(&b, 1);
            if (b == vaNull) {
                ++FPos;
                break;
            }
            FStream->Seek(-1, TSeekOrigin::soCurrent);
            v.List.push_back(ReadValue(Depth + 1));
        }
        break;
    case vaCollection:
        for (;;) {
            const uint8_t b = ReadByte();
            if (b == vaNull)
                break;
            // An item may carry its order as an integer before the list.
            if (b == vaInt8 || b == vaInt16 || b == vaInt32) {
                ReadInt(b == vaInt8 ? 1 : b == vaInt16 ? 2 : 4);
                if (ReadByte() != vaList)
                    InvalidFormat();
            } else if (b != vaList) {
                InvalidFormat();
            }
            v.Items.push_back(ReadProps(Depth + 1));
        }
        break;
    case vaFalse:
    case vaTrue:
        v.Int = v.Type == vaTrue;
        break;
    case vaNil:
    case vaNull:
        break;
    default:
        throw EReadError(QStringLiteral("Invalid property value"));
    }
    return v;
}
