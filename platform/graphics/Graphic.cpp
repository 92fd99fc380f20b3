#include "platform/graphics/Graphic.h"
#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <QFile>

void TGraphic::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Changed();
}

void TGraphic::Changed()
{
    FModified = true;
    if (OnChange)
        OnChange(this);
}

void TGraphic::LoadFromFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, file.errorString()));
    LoadFromBytes(file.readAll());
}

void TGraphic::SaveToFile(const QString& FileName)
{
    WriteFileAtomic(FileName, SaveToBytes());
}

void TGraphic::LoadFromStream(TStream* Stream)
{
    LoadFromBytes(Stream->ReadAll());
}

void TGraphic::SaveToStream(TStream* Stream)
{
    Stream->WriteBytes(SaveToBytes());
}
