#include "frmDocument.h"

#include "platform/RichTextPane.h"
#include "typing_aid.h"

#include <QLabel>

namespace brennvik {

frmDocument::frmDocument(QWidget *parent) : QWidget(parent) {
    txtText = new RichTextPane(this);
    txtText->setObjectName(QStringLiteral("txtText"));
    txtTextB = new RichTextPane(this);
    txtTextB->setObjectName(QStringLiteral("txtTextB"));
    txtTextB->hide();
    Label1 = new QLabel(QStringLiteral("A刃物台"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->hide();
    Label2 = new QLabel(QStringLiteral("B刃物台"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->hide();
    m_activePane = txtText;
    connect(txtText, &RichTextPane::GotFocus, this, [this] { m_activePane = txtText; });
    connect(txtTextB, &RichTextPane::GotFocus, this, [this] { m_activePane = txtTextB; });
    connect(txtText, &RichTextPane::KeyPress, this, [this](int k) { ApplyTypingAid(txtText, k, false); });
    connect(txtTextB, &RichTextPane::KeyPress, this, [this](int k) { ApplyTypingAid(txtTextB, k, true); });
}

RichTextPane *frmDocument::ActivePane() const { return m_activePane; }

}  // namespace brennvik
