// Arbitrary bytes as an HTTP answer: the parser must never read past the
// input, and an accepted answer has a three-digit status and a body taken
// from the input's end.
#include "platform/services/HttpClient.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray answer(reinterpret_cast<const char*>(Data), qsizetype(Size));
    int status = 0;
    QByteArray body;
    if (!ParseHttpAnswer(answer, status, body))
        return 0;
    if (status < 0 || status > 999 || body.size() > answer.size())
        std::abort();
    if (!answer.contains(body))
        std::abort();
    return 0;
}
