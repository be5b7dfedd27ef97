#pragma once
// One window of a program on the page, built from its description: a frame standing on the desk
// (a secondary window's with its caption and close button), the inner area (data-form) at 15 twips
// a CSS pixel, and in it each control of the table (data-control) placed, sized and styled from its
// row, the background picture, and the lines the program prints into it.

#include <map>
#include <optional>
#include <vector>

#include "ui/layout.h"
#include "ui/phrases.h"
#include "web/dom.h"

namespace drillweb {

using drill::Control;
using drill::Form;

class PageWindow {
public:
    // Builds the window at the end of the desk; the layout must outlive it.
    PageWindow(const drillui::FormLayout& layout, val desk);
    // Takes the window off the page.
    ~PageWindow();
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    const drillui::FormLayout& Layout() const { return layout_; }
    // The element on the desk that holds the whole window, and its inner area.
    val Frame() const { return frame_; }
    val Inner() const { return inner_; }
    // Undefined where the window has no such control.
    val ControlElement(Control name) const;
    // The control that is the element or holds it.
    std::optional<Control> ControlOf(val element) const;
    // Whether the element is the close button of a secondary window's frame.
    bool IsCloseButton(val element) const;

    // Draws the window at the factor of its design size, the frame taking the space it then needs.
    void Scale(double factor);

    // Replaces a label's text, shown as text whatever it holds.
    void SetCaption(Control label, drill::TextView text);
    // The texts of the labels and the text box, as a screen reader is told of them.
    drillui::Texts Texts() const;
    const drillui::Headings& Headings() const { return headings_; }
    std::vector<std::u16string> PrintedLines() const;
    void PlotPoint(int x, int y);
    void PrintLine(drill::TextView text);

private:
    struct PrintedLine {
        int left, top;  // pixels
        std::u16string text;
        bool operator==(const PrintedLine&) const = default;
    };

    void Build(const drillui::ControlRow& row);

    const drillui::FormLayout& layout_;
    const drillui::Headings headings_;
    val frame_;
    val inner_;
    val close_ = val::undefined();
    std::map<Control, val> controls_;
    std::map<Control, std::u16string> captions_;
    std::vector<PrintedLine> printed_;
    int printLeft_ = 0;
    int printTop_ = 0;
    int lineHeight_ = 0;  // pixels, of the window's font, measured on the first line printed
};

}  // namespace drillweb
