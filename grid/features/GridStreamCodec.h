#pragma once
// The object-stream codec: records in the form framework's binary
// encoding ("TPF0", class name, object name, properties as name and
// tagged value, end markers), read and written as plain data. The grid's
// cell stream and the column grid's stream are built on it.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

class TStream;

// The value tags of the encoding.
enum TValueType : uint8_t {
    vaNull = 0, vaList = 1, vaInt8 = 2, vaInt16 = 3, vaInt32 = 4, vaExtended = 5, vaString = 6,
    vaIdent = 7, vaFalse = 8, vaTrue = 9, vaBinary = 10, vaSet = 11, vaLString = 12, vaNil = 13,
    vaCollection = 14, vaSingle = 15, vaCurrency = 16, vaDate = 17, vaWString = 18, vaInt64 = 19,
    vaUTF8String = 20
};

struct TStreamValue;
// A property list in stream order.
using TStreamProps = std::vector<std::pair<QString, TStreamValue>>;

// One tagged value. Integers of every width read into Int, texts of every
// kind into Text (identifiers too), floats into Float.
struct TStreamValue {
    TValueType Type = vaNull;
    int64_t Int = 0;
    double Float = 0;
    QString Text;
    QByteArray Bytes;
    QStringList Names;
    std::vector<TStreamValue> List;
    std::vector<TStreamProps> Items;

    // Declared here and made in the .cpp, where the pair of a property is
    // complete (clang checks them inside the class otherwise).
    TStreamValue();
    TStreamValue(const TStreamValue&);
    TStreamValue(TStreamValue&&) noexcept;
    TStreamValue& operator=(const TStreamValue&);
    TStreamValue& operator=(TStreamValue&&) noexcept;
    ~TStreamValue();

    // Integers take the smallest of the 8-, 16- and 32-bit tags (64 bits
    // past that).
    static TStreamValue Integer(int64_t V);
    static TStreamValue Boolean(bool V);
    static TStreamValue Ident(const QString& V);
    // Short, long, wide or UTF-8 string by the text's content.
    static TStreamValue String(const QString& V);
    static TStreamValue Extended(double V);
    static TStreamValue Binary(const QByteArray& V);
    static TStreamValue SetOf(const QStringList& V);
    static TStreamValue ListOf(std::vector<TStreamValue> V);
    static TStreamValue Collection(std::vector<TStreamProps> V);

    bool IsInteger() const;
    bool IsString() const;
    bool IsBoolean() const { return Type == vaFalse || Type == vaTrue; }
};

// One object: class, name, properties and child objects.
struct TStreamObject {
    QString ClassName;
    QString Name;
    TStreamProps Props;
    std::vector<TStreamObject> Children;

    // The value of a property, nil when absent.
    const TStreamValue* Find(const QString& PropName) const;
};

// The 80-bit extended float, little-endian: 64-bit mantissa with its
// integer bit, 15-bit biased exponent and the sign.
void DoubleToExtended(double V, uint8_t Out[10]);
double ExtendedToDouble(const uint8_t In[10]);

class TObjectWriter {
public:
    explicit TObjectWriter(TStream* Stream) : FStream(Stream) {}
    // "TPF0" and the object.
    void WriteRootObject(const TStreamObject& Obj);
    void WriteValue(const TStreamValue& V);

private:
    void WriteObject(const TStreamObject& Obj);
    void WriteProps(const TStreamProps& Props);
    void WriteShortString(const QByteArray& S);
    void WriteByte(uint8_t B);
    void WriteInt(int64_t V, int Bytes);
    TStream* FStream;
};

// Reads what TObjectWriter writes, and every tag of the encoding. Failures
// raise EReadError: "Invalid stream format" (signature, structure), "Invalid
// property value" (unknown tag), "Stream read error" (cut short).
// Note: counts are checked against the bytes left before anything is
// allocated, and nesting is limited.
class TObjectReader {
public:
    explicit TObjectReader(TStream* Stream);
    TStreamObject ReadRootObject();
    bool AtEnd() const { return FPos >= FSize; }

private:
    TStreamObject ReadObject(int Depth);
    TStreamProps ReadProps(int Depth);
    TStreamValue ReadValue(int Depth);
    QByteArray ReadBytes(long long Count);
    QByteArray ReadShortString();
    uint8_t ReadByte();
    int64_t ReadInt(int Bytes);
    uint32_t ReadCount();
    TStream* FStream;
    long long FPos;
    long long FSize;
};
