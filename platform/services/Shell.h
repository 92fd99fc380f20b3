#pragma once
// Opening a URL or a file in the user's default program, without a shell
// command line.
#include <QString>
#include <functional>

// Opens Target: a URL with a scheme ("http://...", "mailto:...") as it
// stands, anything else as a file path. Returns false when nothing could be
// opened; callers that do not report failures may ignore it.
bool ShellOpen(const QString& Target);

// The URL ShellOpen hands on for Target (a file path becomes a file:// URL
// of its absolute path).
QString ShellOpenUrl(const QString& Target);

// Replaces what opens the URL (a test records it instead); an empty handler
// restores the desktop's default program.
using TShellOpenHandler = std::function<bool(const QString& Url)>;
void SetShellOpenHandler(TShellOpenHandler Handler);

class TIcon;
// The desktop's icon for the file or folder Path (by its name alone when
// nothing exists there): 16 x 16 pixels, or 32 x 32 when Large. False, and
// Icon untouched, when there is none.
bool GetShellFileIcon(const QString& Path, bool Large, TIcon* Icon);
