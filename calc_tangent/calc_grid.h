#pragma once
// The rows of labelled boxes under a calculator's drawing, laid out as a
// grid whose columns stand for the box positions of the window: each label
// right-aligned in its column, its box in the column after it.

#include <initializer_list>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace brennvik {

struct LabelledBox {
    const char *label;    // object name
    const char *caption;  // UTF-8
    QLineEdit *box;
    int row;
    int column;  // of the label
};

// Creates the labels as children of `window` and places them with their
// boxes, each box as wide as the usual 1095 twips.
void PlaceLabelledBoxes(QGridLayout *grid, QWidget *window, std::initializer_list<LabelledBox> cells);

// The window's layout: its drawing at the top, the grid under it; the
// window keeps the size they need.
void StackUnderDrawing(QWidget *window, QWidget *drawing, QGridLayout *grid);

// Tab moves through the controls in this order.
void SetTabOrder(std::initializer_list<QWidget *> order);

}  // namespace brennvik
