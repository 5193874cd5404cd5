#include "platform/printers.h"

#include <QPrinterInfo>

namespace qvr {

namespace {

QStringList SystemPrinters() { return QPrinterInfo::availablePrinterNames(); }

QString SystemProfile() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) return ",,,";
    return printer.printerName() + "," + printer.makeAndModel() + ",";
}

PrinterSource& Source() {
    static PrinterSource source;
    return source;
}

QString& Current() {
    static QString current;
    return current;
}

}  // namespace

void SetPrinterSource(PrinterSource source) { Source() = std::move(source); }

QStringList InstalledPrinters() {
    return Source().deviceNames ? Source().deviceNames() : SystemPrinters();
}

QString DefaultPrinterProfile() {
    return Source().profileDevice ? Source().profileDevice() : SystemProfile();
}

void SetCurrentPrinter(const QString& deviceName) { Current() = deviceName; }

QString CurrentPrinter() { return Current(); }

}  // namespace qvr
