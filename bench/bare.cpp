#include "bench/bare.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bench {

QAbstractButton* BuildBareWindow(QWidget& window) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Label")));
    auto* button = new QPushButton(QStringLiteral("Button"));
    layout->addWidget(button);
    return button;
}

}  // namespace bench
