#include "windows/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "windows/design_units.h"
#include "windows/form_controls.h"
#include "windows/picture_store.h"
#include "windows/text.h"

namespace drillwin {

namespace {

void SetColours(QWidget* widget, QPalette::ColorRole ground, QColor back, QColor fore) {
    QPalette palette = widget->palette();
    palette.setColor(ground, back);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(role, fore);
    }
    widget->setPalette(palette);
}

}  // namespace

FormWindow::FormWindow(const FormLayout& layout) : layout_(layout), headings_(drillui::FindHeadings(layout)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ToQString(layout.caption));
    if (!layout.icon.empty()) setWindowIcon(Pictures().WindowIcon(layout.icon));
    if (layout.fixedFrame) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint);
    }
    setFixedSize(Pixels(layout.width), Pixels(layout.height));
    setFont(MakeFont(layout.font, layout.font));
    setPalette(DesignPalette());
    SetColours(this, QPalette::Window, MakeColour(layout.back, palette().color(QPalette::Window)),
               MakeColour(layout.fore, Qt::black));
    setAutoFillBackground(true);
    for (const ControlRow& row : layout.controls) controls_[row.name] = Build(row);
    SetFocusOrder();
    NameValueLabels();
}

QWidget* FormWindow::Build(const ControlRow& row) {
    const QString caption = ToQString(row.caption);
    const QFont font = MakeFont(row.font, layout_.font);
    const QColor fore = MakeColour(row.fore, Qt::black);
    QWidget* widget = nullptr;
    switch (row.kind) {
        case Kind::Button: {
            auto* button = new QPushButton(caption, this);
            SetColours(button, QPalette::Button, MakeColour(row.back, palette().color(QPalette::Button)), fore);
            // Enter presses the focused button as Space does.
            button->setAutoDefault(true);
            connect(button, &QPushButton::clicked, this, [this, name = row.name] { emit buttonClicked(name); });
            widget = button;
            break;
        }
        case Kind::Label: {
            auto* label = row.wrap ? new WrappingLabel(caption, this) : new QLabel(caption, this);
            // Whatever text a label is given shows as it stands, never as markup.
            label->setTextFormat(Qt::PlainText);
            label->setAlignment((row.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            label->setWordWrap(row.wrap);
            label->setAutoFillBackground(true);
            SetColours(label, QPalette::Window, MakeColour(row.back, DesignPalette().color(QPalette::Button)), fore);
            if (row.border) {
                // A thin sunken edge, drawn in the palette's greys rather than the text colour.
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setLineWidth(1);
            }
            label->setFocusPolicy(Qt::NoFocus);
            widget = label;
            break;
        }
        case Kind::TextBox: {
            auto* box = new TextBox(this);
            box->setPlainText(caption);
            box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            box->setTabChangesFocus(true);
            SetColours(box, QPalette::Base, MakeColour(row.back, Qt::white), fore);
            widget = box;
            break;
        }
    }
    const std::string_view name = drill::ControlName(row.name);
    widget->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    widget->setFont(font);
    widget->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
    if (row.kind != Kind::Label) focusOrder_.push_back({row.tabIndex, widget});
    return widget;
}

void FormWindow::SetFocusOrder() {
    std::stable_sort(focusOrder_.begin(), focusOrder_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder_.size(); ++i) {
        setTabOrder(focusOrder_[i - 1].second, focusOrder_[i].second);
    }
}

void FormWindow::NameValueLabels() {
    for (const auto& [value, heading] : headings_) Control(value)->setAccessibleName(ToQString(heading));
}

void FormWindow::SetCaption(drill::Control name, const QString& text) {
    auto* label = qobject_cast<QLabel*>(Control(name));
    if (!label) return;
    label->setText(text);
    if (const auto heading = headings_.find(name); heading != headings_.end()) {
        label->setAccessibleName(ToQString(drillui::ValueName(heading->second, ToText(text))));
    }
}

std::vector<std::u16string> FormWindow::PrintedLines() const {
    std::vector<std::u16string> lines;
    for (const PrintedLine& line : printed_) lines.push_back(ToText(line.text));
    return lines;
}

void FormWindow::FocusFirst() {
    if (!focusOrder_.empty()) focusOrder_.front().second->setFocus(Qt::OtherFocusReason);
}

void FormWindow::LoadFonts() {
    for (const auto& [name, control] : controls_) QFontMetrics(control->font()).height();
}

void FormWindow::PrepareToShow() {
    LoadFonts();
    Picture();
    winId();
}

void FormWindow::PaintOffScreen() {
    // A band of rows at a time: what is painted is thrown away, and a band takes little memory.
    constexpr int BandRows = 64;
    const qreal ratio = devicePixelRatioF();
    QImage band(QSize(width(), BandRows) * ratio, QImage::Format_RGB32);
    band.setDevicePixelRatio(ratio);
    for (int top = 0; top < height(); top += BandRows) render(&band, QPoint(), QRegion(0, top, width(), BandRows));
}

QWidget* FormWindow::Control(drill::Control name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void FormWindow::MoveToDesignPosition() {
    QRect inner(Pixels(layout_.left), Pixels(layout_.top), width(), height());
    // Keep the window on the screen it opens on, however small that screen is.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        inner.moveRight(std::min(inner.right(), available.right()));
        inner.moveBottom(std::min(inner.bottom(), available.bottom()));
        inner.moveLeft(std::max(inner.left(), available.left()));
        inner.moveTop(std::max(inner.top(), available.top()));
    }
    setGeometry(inner);
}

void FormWindow::PlotPoint(int x, int y) {
    // The point itself takes the ground colour: only the position it sets shows, through the text.
    printPosition_ = QPoint(Pixels(x), Pixels(y));
}

void FormWindow::PrintLine(const QString& text) {
    const PrintedLine line{printPosition_, text};
    // Printing the same line at the same place again must not thicken or double it.
    if (std::find(printed_.begin(), printed_.end(), line) == printed_.end()) printed_.push_back(line);
    printPosition_ = QPoint(0, printPosition_.y() + QFontMetrics(font()).height());
    update();
}

const RunPicture& FormWindow::Picture() const {
    static const RunPicture none;
    if (layout_.picture.empty()) return none;
    const QString path = QString::fromUtf8(layout_.picture.data(), static_cast<qsizetype>(layout_.picture.size()));
    return Pictures().AtRatio(path, devicePixelRatioF());
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintPicture(painter, Picture(), devicePixelRatioF(), event->rect());
    if (printed_.empty()) return;
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int ascent = QFontMetrics(font()).ascent();
    for (const PrintedLine& line : printed_) painter.drawText(line.position + QPoint(0, ascent), line.text);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

}  // namespace drillwin
