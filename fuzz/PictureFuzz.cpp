// Arbitrary bytes as a picture: every decoder either gives a picture or
// raises EInvalidGraphic and stays empty; nothing else may happen.
#include "platform/graphics/Jpeg.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Stream.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    const TJPEGPixelFormat formats[] = {jf24Bit, jf8Bit, jf8Bit};
    const TJPEGPerformance speeds[] = {jpBestQuality, jpBestQuality, jpBestSpeed};
    for (int i = 0; i < 3; ++i) {
        TJPEGImage jpeg;
        jpeg.SetPixelFormat(formats[i]);
        jpeg.SetPerformance(speeds[i]);
        try {
            jpeg.LoadFromBytes(bytes);
        } catch (const EInvalidGraphic&) {
            if (!jpeg.Empty())
                std::abort();
        }
    }
    TMemoryStream stream;
    stream.WriteBytes(bytes);
    stream.SetPosition(0);
    TPicture picture;
    try {
        picture.LoadFromStream(&stream);
    } catch (const EInvalidGraphic&) {
        if (picture.Graphic())
            std::abort();
    }
    return 0;
}
