// Arbitrary bytes as the text form of a tab strip's option or look-and-feel
// tree: reading either fails with EReadError or succeeds, and then the tree
// written out reads back to the same text.
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "controls/tabs/DeckTabsOptions.h"
#include "controls/tabs/DeckTabsUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"

#include <cstdlib>

namespace {

QByteArray Write(TComponent* Holder)
{
    TMemoryStream stream;
    ComponentToTextStream(Holder, &stream);
    stream.SetPosition(0);
    return stream.ReadAll();
}

template <typename Holder, typename Tree>
void Check(const QByteArray& Bytes, void (Holder::*Set)(TPersistent*))
{
    Tree tree(nullptr), again(nullptr);
    Holder holder, holderAgain;
    (holder.*Set)(&tree);
    (holderAgain.*Set)(&again);
    TBytesStream input(Bytes);
    try {
        TextStreamToComponent(&holder, &input);
    } catch (const EReadError&) {
        return;
    }
    const QByteArray text = Write(&holder);
    TBytesStream output(text);
    TextStreamToComponent(&holderAgain, &output);
    if (Write(&holderAgain) != text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    Check<TTabsOptions, TOptions>(bytes, &TTabsOptions::SetOptions);
    Check<TTabsLookAndFeel, TDeckTabsLookAndFeel>(bytes, &TTabsLookAndFeel::SetLookAndFeel);
    return 0;
}
