#pragma once
// One window built from its description: fixed inner size in twips, background picture, opaque
// labels, graphical buttons, and the lines the program prints into it.

#include <QWidget>

#include <map>
#include <vector>

#include "ui/phrases.h"
#include "windows/design_units.h"
#include "windows/picture_store.h"

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
    // The caption each value label is read after ("Сделано  ошибок:").
    const drillui::Headings& ValueHeadings() const { return headings_; }
    // The lines printed into the window, in the order they were first printed.
    std::vector<std::u16string> PrintedLines() const;
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
    // The background picture at the window's pixel ratio (picture_store.h); null when it has none.
    const RunPicture& Picture() const;

    const FormLayout& layout_;
    std::map<drill::Control, QWidget*> controls_;
    std::vector<std::pair<int, QWidget*>> focusOrder_;  // tab index, control
    const drillui::Headings headings_;
    QPoint printPosition_;
    std::vector<PrintedLine> printed_;
};

}  // namespace drillwin
