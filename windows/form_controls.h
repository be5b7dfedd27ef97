#pragma once
// The two controls of the windows that Qt's own do not draw as designed.

#include <QLabel>
#include <QPlainTextEdit>

namespace drillwin {

// A label whose text wraps within its box whatever the text is: a word wider than the box breaks
// where it must, and only as much of the text is laid out as the box can show, so that a pasted
// megabyte paints as quickly as a sentence.
class WrappingLabel final : public QLabel {
public:
    using QLabel::QLabel;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A text box drawn three lines of its font high holds three lines only without the document's
// inner margin; the lines' own spacing keeps the text off the frame above and below, and a margin
// of the box's own keeps it off the frame at the sides.
class TextBox final : public QPlainTextEdit {
public:
    explicit TextBox(QWidget* parent);

private:
    static constexpr int SideMargin = 4;  // pixels
};

}  // namespace drillwin
