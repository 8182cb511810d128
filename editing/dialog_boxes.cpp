#include "dialog_boxes.h"

#include "platform/TextBoxes.h"

#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brennvik {

namespace {

class BoxBehaviour : public QObject {
public:
    BoxBehaviour(QLineEdit *box, std::function<void()> onEnter) : QObject(box), m_box(box), m_onEnter(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::FocusIn) {
            SelectWholeText(m_box, static_cast<QFocusEvent *>(event)->reason());
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_onEnter) {
                m_onEnter();
                return true;
            }
        }
        return false;
    }

private:
    QLineEdit *m_box;
    std::function<void()> m_onEnter;
};

}  // namespace

void SetBoxBehaviour(QLineEdit *box, std::function<void()> onEnter) {
    box->installEventFilter(new BoxBehaviour(box, std::move(onEnter)));
}

ChangeControls MakeChangeControls(QDialog *dialog) {
    ChangeControls c;
    c.Check1 = Named(new QCheckBox(QStringLiteral("先頭から開始"), dialog), "Check1");
    c.Change = Named(new QPushButton(QStringLiteral("変　更"), dialog), "Change");
    c.NextFind = Named(new QPushButton(QStringLiteral("スキップ"), dialog), "NextFind");
    c.AllChange = Named(new QPushButton(QStringLiteral("全て変更"), dialog), "AllChange");
    c.Cancel = Named(new QPushButton(QStringLiteral("キャンセル"), dialog), "Cancel");
    // Only 変　更 becomes the default button, and only while there is something to find.
    for (QPushButton *b : {c.Change, c.NextFind, c.AllChange, c.Cancel}) b->setAutoDefault(false);
    return c;
}

QGridLayout *LayOutChangeDialog(QDialog *dialog, QLabel *label1, QLineEdit *box1, QLabel *label2, QLineEdit *box2,
                                const ChangeControls &c) {
    auto *grid = new QGridLayout(dialog);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(box1, 0, 1);
    grid->addWidget(c.Change, 0, 2);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(box2, 1, 1);
    grid->addWidget(c.NextFind, 1, 2);
    grid->addWidget(c.AllChange, 2, 2);
    grid->addWidget(c.Check1, 3, 1);
    grid->addWidget(c.Cancel, 3, 2);
    return grid;
}

}  // namespace brennvik
