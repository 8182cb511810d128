#pragma once
// A started main window with documents whose panes the editing commands
// work on, and the editing state reset for every test.

#include "support/fixtures.h"

#include "editing/renumber_settings.h"
#include "editing/search_state.h"
#include "platform/RichTextPane.h"
#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"
#include "workspace/program_files.h"

#include <QApplication>

namespace brennvik {

class EditingFixture : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ResetSearchState();
        ResetRenumberSettings();
        StartMain();
    }

    // A new document window whose pane A holds `text` as if loaded from a file.
    RichTextPane *OpenDocument(const QString &text) {
        NewDocumentWindow();
        RichTextPane *pane = g_Documents[g_CurrentDocument]->txtText;
        pane->LoadText(text);
        pane->SetDataChanged(false);  // as after opening a file: closing asks nothing
        return pane;
    }

    // Only the prompts of the recorded message boxes.
    QStringList Prompts() const {
        QStringList list;
        for (const MsgBoxCall &c : m_msgBoxes) list << c.prompt;
        return list;
    }
};

}  // namespace brennvik
