#pragma once
// The EnOcean device file "EnOcean.xml": root "EnOcean" with the comment
// "SW_VERSION = 1.000" after it, "DevicesList" holding one "Device" per
// device with its "UnidirectionalList", "SmartACKList" and an empty
// "Remote"; each list holds "RorgFuncType" elements with a
// "VariablesList" of "Variable" elements. Numbers are decimal text.
#include "core/Device_EnOcean.h"
#include <QString>

class TXMLDocument;

// Appends the devices of FileName to List. A missing file, or one without
// "EnOcean" or "DevicesList", adds nothing. Every attribute is required:
// the first missing or unreadable one ends the reading, and so does damage
// to the XML; the devices read before stay in List and the device being
// read is dropped whole. Returns "" when the file is missing or was read
// whole, else why reading stopped, naming the file (and the line and
// column of damaged XML).
QString Load_EnOcean_File(TXMLDocument* XML, const QString& FileName, TDevice_List& List);

// Rewrites FileName whole from List (atomically). Raises the platform's
// file error, naming the file and the cause, when it cannot be written;
// the old file then stays as it was.
void Save_EnOcean_File(TXMLDocument* XML, const QString& FileName, const TDevice_List& List);
