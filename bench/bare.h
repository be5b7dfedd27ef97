#pragma once
// The floor every program is measured against: the least a Qt Widgets window can be.

class QAbstractButton;
class QWidget;

namespace bench {

// Gives the window a label and a button, laid out one above the other; returns the button.
QAbstractButton* BuildBareWindow(QWidget& window);

}  // namespace bench
