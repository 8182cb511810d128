#pragma once
// The window a long listing shows while it prints: how many pages are done,
// how far through the text, and a button that stops the printing. It keeps
// the program's windows answering (they are redrawn; the others take no
// input while it is up, so nothing changes the document being printed).

#include <QProgressDialog>

namespace brennvik {

class PrintProgress : public QProgressDialog {
    Q_OBJECT
public:
    // `characters`: how long the printed text is.
    PrintProgress(qsizetype characters, QWidget *parent);

    // Page `page` is printed and the text is done up to `done`: shows so and
    // lets the program answer. False once the user has cancelled.
    bool Printed(int page, qsizetype done);

private:
    qsizetype m_characters;
};

}  // namespace brennvik
