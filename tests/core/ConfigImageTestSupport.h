#pragma once
// Runs the image build on a configuration folder and compares the banks
// with expectations written by hand.
#include <QByteArray>
#include <QString>
#include <memory>

class TCatalog_EnOcean;

// Points the program state at the folder's files (which may be absent) and,
// when the folder holds "eep.xml", makes it the catalogue. Restores the
// previous state on destruction.
class TConfigFolder {
public:
    explicit TConfigFolder(const QString& Dir);
    ~TConfigFolder();

private:
    std::unique_ptr<TCatalog_EnOcean> FCatalog;
    TCatalog_EnOcean* FPrevious;
    QString FConf_Dir, FParGen, FEnOcean, FBACnet;
};

QString Images_Data_Dir(const QString& Case);

// The two banks of the last build.
QByteArray Built_Bank1();
QByteArray Built_Bank2();

// Compares the banks of the last build with an expectation file: lines
// "length bankN <size>" and "bankN <offset> <hex bytes...>"; every byte not
// listed must be 0. Returns "" when they match, else the differences.
QString Compare_With_Expected(const QString& ExpectedFile);

// Writes Text to Dir/Name (UTF-8).
void Write_Text_File(const QString& Dir, const QString& Name, const QByteArray& Text);
