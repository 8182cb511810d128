#include "documents_fixture.h"

#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"

#include <QFile>

namespace brennvik {

void DocumentsFixture::SetUp() {
    ProgramFixture::SetUp();
    m_dialogAnswers.clear();
    m_dialogs.clear();
    SetFileDialogResponder([this](const FileDialogRequest &r) {
        m_dialogs.push_back(r);
        if (m_dialogAnswers.isEmpty()) {
            ADD_FAILURE() << "a file dialog was shown that the test did not script";
            return QString();
        }
        return m_dialogAnswers.takeFirst();
    });
}

void DocumentsFixture::TearDown() {
    // Changed documents close without a question at the end of a test.
    m_msgBoxAnswer = [](const MsgBoxCall &) { return int(vbNo); };
    ProgramFixture::TearDown();
    SetFileDialogResponder({});
}

QByteArray DocumentsFixture::ReadFile(const QString &path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList DocumentsFixture::Prompts() const {
    QStringList out;
    for (const MsgBoxCall &c : m_msgBoxes) out << c.prompt;
    return out;
}

frmDocument *DocumentsFixture::Doc(int slot) const {
    EXPECT_TRUE(g_DocumentInUse[slot]) << "slot " << slot;
    return g_Documents[slot];
}

}  // namespace brennvik
