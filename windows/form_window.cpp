#include "windows/form_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "windows/announcer.h"
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

// A value label is read with the heading that stands just before it on its row.
constexpr int HeadingGap = 240;  // twips between a heading's right edge and its value label

bool IsHeadingOf(const ControlRow& heading, const ControlRow& value) {
    const bool sameRow = heading.top < value.top + value.height && value.top < heading.top + heading.height;
    return heading.kind == Kind::Label && !heading.caption.empty() && sameRow &&
           std::abs(heading.left + heading.width - value.left) <= HeadingGap;
}

// Screen readers announce a program window as a window, under its caption; it carries the unseen
// status line through which the window tells the reader what changed.
QAccessibleInterface* FormAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(FormWindow::staticMetaObject.className())) return nullptr;
    return MakeWindowAccessible(static_cast<QWidget*>(object));
}

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

// A label whose text wraps within its box whatever the text is: a word wider than the box breaks
// where it must, and only as much of the text is laid out as the box can show, so that a pasted
// megabyte paints as quickly as a sentence.
class WrappingLabel final : public QLabel {
public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override {
        QTextLayout layout(text(), font());
        return static_cast<int>(std::ceil(LayOutLines(layout, alignment(), width, QWIDGETSIZE_MAX)));
    }

protected:
    void paintEvent(QPaintEvent*) override {
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
};

// A text box drawn three lines of its font high holds three lines only without the document's
// inner margin; the lines' own spacing keeps the text off the frame above and below, and a margin
// of the box's own keeps it off the frame at the sides.
class TextBox final : public QPlainTextEdit {
public:
    explicit TextBox(QWidget* parent) : QPlainTextEdit(parent) {
        document()->setDocumentMargin(0);
        setViewportMargins(SideMargin, 0, SideMargin, 0);
        // The margins belong to the box itself: they take the text's ground.
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
    }

private:
    static constexpr int SideMargin = 4;  // pixels
};

}  // namespace

const QPalette& DesignPalette() {
    static const QPalette palette = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion->standardPalette();
    }();
    return palette;
}

int Pixels(int twips) { return twips / TwipsPerPixel; }

int PixelSize(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QString ResolveFamily(std::string_view family) {
    // The list of installed faces, not hasFamily: that runs fontconfig's substitution rules for each
    // name asked, to answer what the list already says.
    static const QStringList installed = [] {
        const auto has = [](const QStringList& families, const char* family) {
            return families.contains(QLatin1String(family), Qt::CaseInsensitive);
        };
        QStringList families = QFontDatabase::families();
        // Where a design face and its stand-in are both missing (on Windows the stand-ins are not
        // installed), the stand-ins shipped with the programs in their fonts folder.
        if ((!has(families, "MS Sans Serif") && !has(families, "Liberation Sans")) ||
            (!has(families, "Times New Roman") && !has(families, "Liberation Serif"))) {
            const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
            for (const QString& file : shipped.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
                QFontDatabase::addApplicationFont(shipped.filePath(file));
            }
            families = QFontDatabase::families();
        }
        return families;
    }();
    static const bool hasSansSerif = installed.contains(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive);
    static const bool hasTimes = installed.contains(QStringLiteral("Times New Roman"), Qt::CaseInsensitive);
    if (family == "MS Sans Serif") return hasSansSerif ? QStringLiteral("MS Sans Serif") : QStringLiteral("Liberation Sans");
    if (family == "Times New Roman") return hasTimes ? QStringLiteral("Times New Roman") : QStringLiteral("Liberation Serif");
    return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
}

QFont MakeFont(const Font& font, const Font& windowFont) {
    const Font& chosen = font.family.empty() ? windowFont : font;
    QFont qfont(ResolveFamily(chosen.family));
    // Pixel sizes keep the twips layouts fitting whatever the screen's logical DPI.
    qfont.setPixelSize(PixelSize(chosen.points));
    qfont.setBold(chosen.bold);
    qfont.setItalic(chosen.italic);
    qfont.setUnderline(chosen.underline);
    return qfont;
}

QColor MakeColour(Colour colour, const QColor& fallback) {
    if (colour.isDefault) return fallback;
    return QColor(static_cast<int>(colour.bgr & 0xFF), static_cast<int>((colour.bgr >> 8) & 0xFF),
                  static_cast<int>((colour.bgr >> 16) & 0xFF));
}

FormWindow::FormWindow(const FormLayout& layout) : layout_(layout) {
    static const bool accessibleWindows = (QAccessible::installFactory(&FormAccessible), true);
    Q_UNUSED(accessibleWindows);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ToQString(layout.caption));
    if (!layout.icon.empty()) setWindowIcon(WindowIcon(layout.icon));
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
    for (const ControlRow& value : layout_.controls) {
        if (value.kind != Kind::Label || !value.caption.empty()) continue;
        for (const ControlRow& heading : layout_.controls) {
            if (!IsHeadingOf(heading, value)) continue;
            headings_[value.name] = ToQString(heading.caption);
            Control(value.name)->setAccessibleName(ToQString(heading.caption));
            break;
        }
    }
}

void FormWindow::SetCaption(drill::Control name, const QString& text) {
    auto* label = qobject_cast<QLabel*>(Control(name));
    if (!label) return;
    label->setText(text);
    if (const auto heading = headings_.find(name); heading != headings_.end()) {
        label->setAccessibleName(text.isEmpty() ? heading->second : heading->second + QLatin1Char(' ') + text);
    }
}

QString FormWindow::Heading(drill::Control label) const {
    const auto heading = headings_.find(label);
    return heading == headings_.end() ? QString() : heading->second;
}

QStringList FormWindow::PrintedLines() const {
    QStringList lines;
    for (const PrintedLine& line : printed_) lines << line.text;
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

QIcon WindowIcon(std::string_view path) {
    static QHash<QString, QIcon> icons;
    const QString resource = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    if (const auto found = icons.constFind(resource); found != icons.cend()) return *found;
    // Let go of the icons while the application, and the icon engine it loaded, are still there.
    if (icons.isEmpty()) qAddPostRoutine([] { icons.clear(); });
    return *icons.insert(resource, IconWithStoredSizes(resource));
}

const RunPicture& FormWindow::Picture() const {
    static const RunPicture none;
    if (layout_.picture.empty()) return none;
    const QString path = QString::fromUtf8(layout_.picture.data(), static_cast<qsizetype>(layout_.picture.size()));
    return PictureAtRatio(path, devicePixelRatioF());
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
