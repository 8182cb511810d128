#pragma once
// Scripting a dialog by the objectNames of its controls: fill boxes, click
// buttons and options, as a user would.

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace brennvik {

// The child of that name and type; a test failure (and nullptr) when there is none.
template <typename W>
W *Child(QWidget *root, const char *name) {
    W *child = root->findChild<W *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << "no control " << name;
    return child;
}

inline void SetBoxText(QWidget *root, const char *name, const QString &text) {
    if (auto *box = Child<QLineEdit>(root, name)) box->setText(text);
}

inline QString BoxText(QWidget *root, const char *name) {
    auto *box = Child<QLineEdit>(root, name);
    return box ? box->text() : QString();
}

// Clicks a button, option or check box.
inline void ClickControl(QWidget *root, const char *name) {
    if (auto *button = Child<QAbstractButton>(root, name)) button->click();
}

// Makes a shown window the active one, so that focus and keys reach it.
inline bool ActivateWindow(QWidget *window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

}  // namespace brennvik
