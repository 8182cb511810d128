#pragma once
// Document windows in their slots, and program files in and out of them.

#include <QString>

namespace brennvik {

// Takes the lowest free slot and shows an empty document window in it;
// g_CurrentDocument is the new slot, or 0 when all six are taken.
void NewDocumentWindow();

// Opens a file in a new document window and adds it to the recent files.
void OpenFileInNewDocument(const QString &path);

// Runs every open document's close check; false when one was cancelled.
bool CloseAllDocuments();

// Re-arranges the document windows by the checked tiling entry.
void RetileDocuments();

}  // namespace brennvik
