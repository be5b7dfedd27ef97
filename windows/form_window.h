#pragma once
// One window built from its description: fixed inner size in twips, background picture, opaque
// labels, graphical buttons, and the lines the program prints into it.

#include <QWidget>

#include <map>
#include <vector>

#include "windows/layout.h"
#include "windows/stored_pictures.h"

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
    // Loads the fonts of all the window's controls, of the empty ones too that the drill fills later.
    void LoadFonts();
    // Does ahead, for a window not yet shown, what showing it does: loads its fonts, reads its
    // picture and creates its native window. Done while the program is idle, it makes the press that
    // shows the window quick.
    void PrepareToShow();
    // Paints the window once off screen, so that its glyphs and button faces are in the caches
    // before a window like it is first shown.
    void PaintOffScreen();

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
    // The background picture at the window's pixel ratio (stored_pictures.h); null when it has none.
    const RunPicture& Picture() const;

    const FormLayout& layout_;
    std::map<drill::Control, QWidget*> controls_;
    std::vector<std::pair<int, QWidget*>> focusOrder_;  // tab index, control
    std::map<drill::Control, QString> headings_;        // value label, the heading it is read with
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
// The window icon at a Qt resource path, with the sizes the build stored: one icon for the whole
// run, so that the sizes the window frame asks for are not drawn again for every window and every
// reopening.
QIcon WindowIcon(std::string_view path);

}  // namespace drillwin
