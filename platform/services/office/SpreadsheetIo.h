#pragma once
// Reading and writing workbooks (not for use outside platform/services/office).
#include "platform/services/office/Automation.h"

#include <QByteArray>
#include <QString>

namespace Automation {

struct TWorkbookIo {
    static void ReadXlsx(TWorkbook& book, const QByteArray& data, const QString& fileName);
    static void ReadXls(TWorkbook& book, const QString& fileName);
    // The package the workbook was read from with its changed sheets
    // replaced, new sheets added and the calculation chain dropped.
    static QByteArray PatchXlsx(TWorkbook& book);
    static QByteArray WriteNewXlsx(TWorkbook& book);
    // After a write: the written package becomes the workbook's own.
    static void Adopt(TWorkbook& book, const QByteArray& data);
};

} // namespace Automation
