#include "windows/form_controls.h"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

namespace drillwin {

namespace {

// Lays the text out in lines of the given width, breaking inside a word too long for a line, and
// stops after the first line that reaches below maxHeight. Returns the height of the lines laid out.
// The lines stand one leading apart, each on a whole pixel, as Qt sets out any word-wrapped label.
qreal LayOutLines(QTextLayout& layout, Qt::Alignment alignment, int width, qreal maxHeight) {
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(layout.font()).leading();
    qreal height = 0;
    layout.beginLayout();
    while (height <= maxHeight) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, line.lineNumber() == 0 ? 0 : std::ceil(height + leading)));
        height = line.y() + line.height();
    }
    layout.endLayout();
    return height;
}

}  // namespace

int WrappingLabel::heightForWidth(int width) const {
    QTextLayout layout(text(), font());
    return static_cast<int>(std::ceil(LayOutLines(layout, alignment(), width, QWIDGETSIZE_MAX)));
}

void WrappingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect box = contentsRect();
    const QString whole = text();
    // Lay out ever longer beginnings of the text until one fills the box with text to spare.
    for (qsizetype length = 4096;; length *= 4) {
        if (length < whole.size() && whole.at(length - 1).isHighSurrogate()) ++length;
        const bool all = length >= whole.size();
        QTextLayout layout(all ? whole : whole.left(length), font());
        LayOutLines(layout, alignment(), box.width(), box.height());
        const QTextLine last = layout.lineAt(layout.lineCount() - 1);  // read only when cut short
        if (all || last.textStart() + last.textLength() < length) {
            painter.setPen(palette().color(foregroundRole()));
            painter.setClipRect(box);
            layout.draw(&painter, box.topLeft());
            return;
        }
    }
}

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
    document()->setDocumentMargin(0);
    setViewportMargins(SideMargin, 0, SideMargin, 0);
    // The margins belong to the box itself: they take the text's ground.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

}  // namespace drillwin
