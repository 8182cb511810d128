#pragma once
// Program files in and out of document windows.

#include "document_windows.h"
#include "file_messages.h"
#include "recent_files.h"

#include <QString>
#include <QStringList>

namespace brennvik {

class frmDocument;

// Opens a file in a new document window and adds it to the recent files. A
// file that cannot be read is reported, and the document that was current
// stays current.
void OpenFileInNewDocument(const QString &path);

// Opens files in new documents, in their order (the command line, a drop).
// Files for which no document slot is left are named in one message, not
// refused one by one.
void OpenFilesInNewDocuments(const QStringList &paths);

// Enables the file, clipboard, search and tool entries that work on an open
// document.
void EnableDocumentFileCommands();

// Shows the Save As dialog; the chosen path, or an empty text when cancelled.
QString AskSaveFileName(const QString &proposedName);

// Writes a document window's document to a file. On success the window takes
// the path as its file and its change mark is cleared; on failure the user is
// told, the old file is left whole and the window is unchanged.
bool SaveDocument(frmDocument *document, const QString &path);
// The same for the main window's active document window.
bool SaveActiveDocument(const QString &path);

// What saving the window writes: the text of pane txtText, or the joined
// turret parts while the window's slot is in the two-turret view.
QString ProgramTextToSave(frmDocument *document);

}  // namespace brennvik
