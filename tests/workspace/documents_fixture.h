#pragma once
// Program fixture with scripted file dialogs: each dialog takes the next
// scripted answer (an empty one cancels) and is recorded.

#include "support/fixtures.h"

#include "platform/FileDialogs.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace brennvik {

class frmDocument;

class DocumentsFixture : public ProgramFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Answers for the next file dialogs, in order.
    void ScriptFileDialogs(const QStringList &answers) { m_dialogAnswers << answers; }
    QByteArray ReadFile(const QString &path) const;
    // The message boxes shown so far, as prompt texts.
    QStringList Prompts() const;
    // The window of a slot, failing the test when the slot is not open.
    frmDocument *Doc(int slot) const;

    QStringList m_dialogAnswers;
    std::vector<FileDialogRequest> m_dialogs;
};

}  // namespace brennvik
