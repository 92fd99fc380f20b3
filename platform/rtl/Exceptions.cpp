#include "platform/rtl/Exceptions.h"

Exception::Exception(const QString& msg) : FMessage(msg), FUtf8(msg.toUtf8()) {}

Exception::~Exception() = default;

void Exception::SetMessage(const QString& msg)
{
    FMessage = msg;
    FUtf8 = msg.toUtf8();
}

void Abort()
{
    throw EAbort(QStringLiteral("Operation aborted"));
}
