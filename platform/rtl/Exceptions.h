#pragma once
// The framework's exception classes. Every error the system raises derives
// from Exception and carries a message in the framework's words.
#include <QByteArray>
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(const QString& msg);
    ~Exception() override;

    const QString& Message() const { return FMessage; }
    void SetMessage(const QString& msg);
    const char* what() const noexcept override { return FUtf8.constData(); }
    // Name of the exception class, as the error box shows it.
    virtual QString ClassName() const { return QStringLiteral("Exception"); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

#define STRATAGON_DECLARE_EXCEPTION(Name, Base)                                \
    class Name : public Base {                                                 \
    public:                                                                    \
        using Base::Base;                                                      \
        QString ClassName() const override { return QStringLiteral(#Name); }   \
    };

STRATAGON_DECLARE_EXCEPTION(EAbort, Exception)
STRATAGON_DECLARE_EXCEPTION(EConvertError, Exception)
STRATAGON_DECLARE_EXCEPTION(EListError, Exception)
STRATAGON_DECLARE_EXCEPTION(EStringListError, Exception)
STRATAGON_DECLARE_EXCEPTION(EStreamError, Exception)
STRATAGON_DECLARE_EXCEPTION(EReadError, EStreamError)
STRATAGON_DECLARE_EXCEPTION(EWriteError, EStreamError)
STRATAGON_DECLARE_EXCEPTION(EFileStreamError, EStreamError)
STRATAGON_DECLARE_EXCEPTION(EFOpenError, EFileStreamError)
STRATAGON_DECLARE_EXCEPTION(EFCreateError, EFileStreamError)
STRATAGON_DECLARE_EXCEPTION(EInOutError, Exception)
STRATAGON_DECLARE_EXCEPTION(EOSError, Exception)
STRATAGON_DECLARE_EXCEPTION(EInvalidOperation, Exception)
STRATAGON_DECLARE_EXCEPTION(EInvalidCast, Exception)
STRATAGON_DECLARE_EXCEPTION(EInvalidPointer, Exception)
STRATAGON_DECLARE_EXCEPTION(EComponentError, Exception)
STRATAGON_DECLARE_EXCEPTION(EArgumentException, Exception)
STRATAGON_DECLARE_EXCEPTION(EArgumentOutOfRangeException, EArgumentException)
STRATAGON_DECLARE_EXCEPTION(EMathError, Exception)
STRATAGON_DECLARE_EXCEPTION(EDivByZero, EMathError)
STRATAGON_DECLARE_EXCEPTION(ERangeError, Exception)
STRATAGON_DECLARE_EXCEPTION(EIniFileException, Exception)
STRATAGON_DECLARE_EXCEPTION(EXMLDocError, Exception)
STRATAGON_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
STRATAGON_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)
STRATAGON_DECLARE_EXCEPTION(EOutOfResources, Exception)
STRATAGON_DECLARE_EXCEPTION(EResNotFound, Exception)
STRATAGON_DECLARE_EXCEPTION(EPrinter, Exception)
// A failed assertion; the message is the one the assertion gives.
STRATAGON_DECLARE_EXCEPTION(EAssertionFailed, Exception)

// Raises EAbort, the silent exception.
[[noreturn]] void Abort();
