#include "form_widgets.h"

#include "platform/ControlNames.h"

#include <QCheckBox>
#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace brennvik {

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption) {
    return Named(new QLabel(caption, parent), name);
}

QLineEdit *MakeBox(QWidget *parent, const char *name, const QString &text) {
    return Named(new QLineEdit(text, parent), name);
}

QGroupBox *MakeFrame(QWidget *parent, const char *name, const QString &caption) {
    return Named(new QGroupBox(caption, parent), name);
}

QRadioButton *MakeOption(QWidget *parent, const char *name, const QString &caption) {
    return Named(new QRadioButton(caption, parent), name);
}

QCheckBox *MakeCheck(QWidget *parent, const char *name, const QString &caption) {
    return Named(new QCheckBox(caption, parent), name);
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption) {
    auto *button = Named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QHBoxLayout *MakeButtonRow(std::initializer_list<QPushButton *> leading, std::initializer_list<QPushButton *> trailing) {
    int height = 0;
    for (auto group : {leading, trailing})
        for (QPushButton *button : group) height = std::max(height, button->sizeHint().height());
    auto *row = new QHBoxLayout;
    auto add = [&](std::initializer_list<QPushButton *> group) {
        for (QPushButton *button : group) {
            button->setFixedHeight(height);
            row->addWidget(button);
        }
    };
    add(leading);
    row->addStretch();
    add(trailing);
    return row;
}

QGroupBox *MakeOptionFrame(QWidget *parent, const char *name, const QString &caption,
                           std::initializer_list<OptionSpec> options, Qt::Orientation orientation) {
    QGroupBox *frame = MakeFrame(parent, name, caption);
    auto *layout = new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
                                  frame);
    for (const OptionSpec &option : options) {
        *option.button = MakeOption(frame, option.name, QString::fromUtf8(option.caption));
        layout->addWidget(*option.button);
    }
    return frame;
}

}  // namespace brennvik
