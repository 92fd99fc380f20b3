#pragma once
// The Message() of the E that F raises, or "<no exception>".
#include <QString>

template <typename E, typename F>
QString MessageOf(F&& f)
{
    try {
        f();
    } catch (const E& e) {
        return e.Message();
    }
    return QStringLiteral("<no exception>");
}
