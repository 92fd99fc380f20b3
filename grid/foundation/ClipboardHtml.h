#pragma once
// The "HTML Format" clipboard text around an HTML fragment.
#include <QString>

// Replaces the fragment S by the clipboard text: a header with the byte
// offsets of the document and the fragment, then the document. Characters
// that Windows-1252 cannot hold are written as "&#N;", so the text holds
// one byte per character and its offsets are byte offsets once it is
// converted to ANSI.
void BuildClipboardHTML(QString& S);
