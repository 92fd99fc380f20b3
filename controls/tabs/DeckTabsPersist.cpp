// Saving and loading the option and look-and-feel trees in text form.
#include "controls/tabs/DeckTabs.h"
#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/Stream.h"

namespace {

const QString CodePrefix = QStringLiteral("DeckTabs1");

void SaveTree(TComponent* Holder, TStream* Stream) { ComponentToTextStream(Holder, Stream); }

// The whole text goes to a temporary file that replaces the old one only
// when complete, so a failed save leaves the old file intact.
void SaveTreeToFile(TComponent* Holder, const QString& FileName)
{
    TMemoryStream stream;
    ComponentToTextStream(Holder, &stream);
    stream.SetPosition(0);
    WriteFileAtomic(FileName, stream.ReadAll());
}

} // namespace

void TCustomDeckTabs::SaveOptions(TStream* Stream)
{
    TTabsOptions holder;
    holder.SetOptions(FOptions);
    SaveTree(&holder, Stream);
}

void TCustomDeckTabs::SaveOptions(const QString& FileName)
{
    TTabsOptions holder;
    holder.SetOptions(FOptions);
    SaveTreeToFile(&holder, FileName);
}

void TCustomDeckTabs::LoadOptions(TStream* Stream)
{
    BeginUpdate();
    try {
        TTabsOptions holder;
        holder.SetOptions(FOptions);
        TextStreamToComponent(&holder, Stream);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomDeckTabs::LoadOptions(const QString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadOptions(&stream);
}

void TCustomDeckTabs::SaveLookAndFeel(TStream* Stream)
{
    TTabsLookAndFeel holder;
    holder.SetLookAndFeel(FLookAndFeel);
    SaveTree(&holder, Stream);
}

void TCustomDeckTabs::SaveLookAndFeel(const QString& FileName)
{
    TTabsLookAndFeel holder;
    holder.SetLookAndFeel(FLookAndFeel);
    SaveTreeToFile(&holder, FileName);
}

void TCustomDeckTabs::LoadLookAndFeel(TStream* Stream)
{
    BeginUpdate();
    try {
        TTabsLookAndFeel holder;
        holder.SetLookAndFeel(FLookAndFeel);
        TextStreamToComponent(&holder, Stream);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomDeckTabs::LoadLookAndFeel(const QString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadLookAndFeel(&stream);
}

QString TCustomDeckTabs::OptionsToCode()
{
    TTabsOptions holder;
    holder.SetOptions(FOptions);
    return ComponentToCodeText(&holder, CodePrefix);
}

QString TCustomDeckTabs::LookAndFeelToCode()
{
    TTabsLookAndFeel holder;
    holder.SetLookAndFeel(FLookAndFeel);
    return ComponentToCodeText(&holder, CodePrefix);
}
