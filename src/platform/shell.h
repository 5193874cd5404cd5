#pragma once
// Opening a document with the program the desktop associates with it.

#include <QString>
#include <functional>

namespace qvr {

bool OpenDocument(const QString& windowsPath);
void SetOpenDocumentHandler(std::function<bool(const QString& windowsPath)> handler);  // tests record

}  // namespace qvr
