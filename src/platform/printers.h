#pragma once
// The installed printers, the default printer's profile value and the application's current
// printer, over Qt's printer information. Tests offer printers of their own through the source.

#include <QString>
#include <QStringList>
#include <functional>

namespace qvr {

struct PrinterSource {
    std::function<QStringList()> deviceNames;  // the installed printers, in the system's order
    std::function<QString()> profileDevice;    // "name,driver,port" of the default printer
};

// Replaces the system's printers; an empty source puts them back.
void SetPrinterSource(PrinterSource source);

QStringList InstalledPrinters();
// ",,," when there is no default printer.
QString DefaultPrinterProfile();

void SetCurrentPrinter(const QString& deviceName);
QString CurrentPrinter();

}  // namespace qvr
