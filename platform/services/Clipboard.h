#pragma once
// The clipboard. Formats are numbers as the framework has them; named
// formats are carried as MIME types: "Rich Text Format" as text/rtf,
// "HTML Format" as text/html, any other name as application/x-<name>.
#include <QByteArray>
#include <QString>
#include <memory>

// Predefined formats.
constexpr unsigned CF_TEXT = 1;         // text in the ANSI code page
constexpr unsigned CF_UNICODETEXT = 13; // text as UTF-16 (little-endian)
constexpr unsigned CF_HDROP = 15;       // local file names, one per line, as UTF-8 (text/uri-list)

// The same id for the same name (case-insensitive), from 0xC000 on.
unsigned RegisterClipboardFormat(const QString& Name);
// The name a format was registered with; empty for an unknown id.
QString GetClipboardFormatName(unsigned Format);
// MIME type of a format; empty for an unknown id.
QString ClipboardFormatMimeType(unsigned Format);

class TClipboard {
public:
    TClipboard();
    ~TClipboard();
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;

    // Groups several formats into one clipboard content: the first format
    // set after Open replaces the content, the next ones join it, and the
    // last Close publishes it. Opens nest.
    void Open();
    void Close();
    // Empties the clipboard.
    void Clear();

    bool HasFormat(unsigned Format) const;
    QString AsText() const;
    void SetAsText(const QString& Value);
    // The data of a format as bytes; empty when the clipboard lacks it.
    QByteArray GetAsHandle(unsigned Format) const;
    void SetAsHandle(unsigned Format, const QByteArray& Data);

private:
    struct TData;
    std::unique_ptr<TData> FData;
};

// The application's clipboard.
TClipboard* Clipboard();
