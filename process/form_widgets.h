#pragma once
// Controls of the process-module dialogs, each created with its objectName,
// so that the code and scripted tests address it by the same name.

#include <QDialog>
#include <QString>

#include <initializer_list>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace brennvik {

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption);
QLineEdit *MakeBox(QWidget *parent, const char *name, const QString &text = QString());
QGroupBox *MakeFrame(QWidget *parent, const char *name, const QString &caption);
QRadioButton *MakeOption(QWidget *parent, const char *name, const QString &caption);
QCheckBox *MakeCheck(QWidget *parent, const char *name, const QString &caption);
// A button that Enter never presses: neither default nor auto-default.
QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption);

// The buttons at the foot of a dialog: `leading` at the left, `trailing` at
// the right, all of one height in one line, whatever the height each
// caption alone would ask for.
QHBoxLayout *MakeButtonRow(std::initializer_list<QPushButton *> leading, std::initializer_list<QPushButton *> trailing);

// A frame holding option buttons, laid out in a row or a column.
struct OptionSpec {
    QRadioButton **button;
    const char *name;
    const char *caption;  // UTF-8
};
QGroupBox *MakeOptionFrame(QWidget *parent, const char *name, const QString &caption,
                           std::initializer_list<OptionSpec> options, Qt::Orientation orientation);

// Unloads a form that is its own single instance: the instance pointer goes
// back to nullptr, a modal showing ends, and the form is deleted once control
// is back in the event loop (never inside its own handler). False when it
// was unloaded already.
template <typename Form>
bool UnloadForm(Form *form, Form *&instance) {
    if (instance != form) return false;
    instance = nullptr;
    form->QDialog::done(QDialog::Rejected);
    form->deleteLater();
    return true;
}

}  // namespace brennvik
