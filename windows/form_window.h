#pragma once
// One window built from its description: fixed inner size in twips, background picture, opaque
// labels, graphical buttons, and the lines the program prints into it.

#include <QPixmap>
#include <QWidget>

#include <map>
#include <vector>

#include "windows/layout.h"

class QAbstractButton;
class QLabel;
class QPlainTextEdit;

namespace drillwin {

class FormWindow final : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(const FormLayout& layout);

    const FormLayout& Layout() const { return layout_; }
    QWidget* Control(drill::Control name) const;
    // Where the window stands on the screen at its design position.
    void MoveToDesignPosition();
    // The first control in the focus order takes the focus.
    void FocusFirst();

    // Replaces a label's text; a value label's spoken name follows, read with its heading.
    void SetCaption(drill::Control label, const QString& text);
    // The caption a value label is read after ("Сделано  ошибок:"); empty for any other control.
    QString Heading(drill::Control label) const;
    // The lines printed into the window, in the order they were first printed.
    QStringList PrintedLines() const;
    void PlotPoint(int x, int y);
    void PrintLine(const QString& text);

signals:
    void buttonClicked(drill::Control name);
    void closing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct PrintedLine {
        QPoint position;  // pixels, top-left of the text
        QString text;
        bool operator==(const PrintedLine&) const = default;
    };

    QWidget* Build(const ControlRow& row);
    void SetFocusOrder();
    void NameValueLabels();
    const QPixmap& Picture();

    const FormLayout& layout_;
    std::map<drill::Control, QWidget*> controls_;
    std::vector<std::pair<int, QWidget*>> focusOrder_;  // tab index, control
    std::map<drill::Control, QString> headings_;        // value label, the heading it is read with
    QPixmap picture_;
    QPoint printPosition_;
    std::vector<PrintedLine> printed_;
};

// The light palette the windows are drawn on: the Fusion style's standard one. The windows and
// message boxes take it whatever palette the desktop imposes, dark and high-contrast ones included,
// because the table colours (pale grounds, dark and default texts) are chosen against it.
const QPalette& DesignPalette();

// Fonts, colours and sizes of the descriptions in Qt's terms.
QFont MakeFont(const Font& font, const Font& windowFont);
QColor MakeColour(Colour colour, const QColor& fallback);
int Pixels(int twips);
int PixelSize(double points);
// The face used when a named font is not installed: a metric-compatible one.
QString ResolveFamily(std::string_view family);
// The SVG picture at a Qt resource path, rendered for the device pixel ratio. A picture is rendered
// once and shared by every window that shows it, however often the pupil closes and reopens one.
QPixmap RenderedPicture(std::string_view path, qreal ratio);
// The window icon at a Qt resource path: one icon for the whole run, so that the sizes the window
// frame asks for are rendered once, not again for every window and every reopening.
QIcon WindowIcon(std::string_view path);

}  // namespace drillwin
