#pragma once
// Opening a document with the program the desktop associates with it.

#include <QString>
#include <functional>

namespace qvr {

// False when the document could not be opened (no such file, no program to open it with).
bool OpenDocument(const QString& windowsPath);
void SetOpenDocumentHandler(std::function<bool(const QString& windowsPath)> handler);  // tests record

// Opens the document; when that fails, tells the user in a message titled `title` where the file
// is, so that they can open it themselves. False when it was not opened.
bool OpenDocumentOrTellWhere(const QString& windowsPath, const QString& title);

}  // namespace qvr
