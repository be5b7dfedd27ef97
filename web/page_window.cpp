#include "web/page_window.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/controls.h"
#include "ui/units.h"

namespace drillweb {

namespace {

using drillui::Colour;
using drillui::ControlRow;
using drillui::Kind;
using drillui::Pixels;

// The height of a secondary window's caption bar, in CSS pixels at the window's design size.
constexpr int CaptionHeight = 24;

std::string Css(Colour colour, std::string_view fallback) {
    if (colour.isDefault) return std::string(fallback);
    const drillui::Rgb rgb = drillui::ToRgb(colour);
    return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," + std::to_string(rgb.blue) + ")";
}

// The colour mixed with white (amount > 0) or black (amount < 0).
std::string Shade(Colour colour, double amount) {
    const drillui::Rgb rgb = drillui::ToRgb(colour);
    const auto shade = [amount](int value) {
        return std::to_string(static_cast<int>(amount >= 0 ? value + (255 - value) * amount : value * (1 + amount)));
    };
    return "rgb(" + shade(rgb.red) + "," + shade(rgb.green) + "," + shade(rgb.blue) + ")";
}

// The light grey of the toolkit's own buttons and label grounds.
constexpr Colour ToolkitGround = drillui::Bgr(0x00EFEFEF);

double Luminance(drillui::Rgb rgb) {
    const auto linear = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(rgb.red) + 0.7152 * linear(rgb.green) + 0.0722 * linear(rgb.blue);
}

// The text colour of the design, darkened just as far as the web's accessibility rules ask for a
// text of that size on that ground (a contrast of 4.5, or 3 for large text): the design's bright
// red and magenta on the pale labels fall short of it.
Colour Legible(Colour fore, Colour back, const drillui::Font& font) {
    if (fore.isDefault) return fore;
    const int pixels = drillui::PixelSize(font.points);
    const double wanted = pixels >= 24 || (font.bold && pixels * 3 >= 56) ? 3.0 : 4.5;
    const double ground = Luminance(drillui::ToRgb(back.isDefault ? ToolkitGround : back));
    drillui::Rgb rgb = drillui::ToRgb(fore);
    for (double factor = 1; factor > 0; factor -= 0.01) {
        const drillui::Rgb darker{static_cast<int>(rgb.red * factor), static_cast<int>(rgb.green * factor),
                                  static_cast<int>(rgb.blue * factor)};
        const double text = Luminance(darker);
        const double contrast = (std::max(text, ground) + 0.05) / (std::min(text, ground) + 0.05);
        if (contrast >= wanted || text > ground) {
            rgb = darker;
            break;
        }
    }
    return drillui::Bgr(static_cast<std::uint32_t>(rgb.red | rgb.green << 8 | rgb.blue << 16));
}

// The design face where the system has it, else its stand-in, which the site ships (drill.css).
std::string FontFamily(std::string_view family) {
    std::string list = "\"" + std::string(family) + "\"";
    if (const std::string_view standIn = drillui::StandInFamily(family); !standIn.empty()) {
        list += ",\"" + std::string(standIn) + "\"";
    }
    return list;
}

void SetFont(val element, const drillui::Font& font, const drillui::Font& windowFont) {
    const drillui::Font& chosen = font.family.empty() ? windowFont : font;
    val style = element["style"];
    style.set("fontFamily", FontFamily(chosen.family));
    style.set("fontSize", Px(drillui::PixelSize(chosen.points)));
    style.set("fontWeight", chosen.bold ? "bold" : "normal");
    style.set("fontStyle", chosen.italic ? "italic" : "normal");
    if (chosen.underline) style.set("textDecoration", "underline");
}

void Place(val element, int left, int top, int width, int height) {
    val style = element["style"];
    style.set("left", Px(Pixels(left)));
    style.set("top", Px(Pixels(top)));
    style.set("width", Px(Pixels(width)));
    style.set("height", Px(Pixels(height)));
}

// ":/tavrel/background.svg" is tavrel/background.svg beside the page.
std::string PictureUrl(std::string_view path) {
    if (path.starts_with(":/")) path.remove_prefix(2);
    return std::string(path);
}

const char* FormName(Form form) {
    switch (form) {
        case Form::Form1: return "Form1";
        case Form::Form2: return "Form2";
        case Form::Form3: return "Form3";
    }
    return "";
}

std::string ElementName(Control control) {
    const std::string_view name = drill::ControlName(control);
    return std::string(name);
}

}  // namespace

PageWindow::PageWindow(const drillui::FormLayout& layout, val desk)
    : layout_(layout), headings_(drillui::FindHeadings(layout)), frame_(Append(desk, "div")), inner_(val::undefined()) {
    frame_["classList"].call<void>("add", val("window"));
    val body = Append(frame_, "div");
    body["classList"].call<void>("add", val("scaled"));
    const bool main = layout.form == drill::MainWindow;
    if (!main) {
        val caption = Append(body, "div");
        caption["classList"].call<void>("add", val("caption"));
        caption["style"].set("height", Px(CaptionHeight));
        if (!layout.icon.empty()) {
            val icon = Append(caption, "img");
            icon.set("src", PictureUrl(layout.icon));
            icon.set("alt", "");
        }
        Append(caption, "h2").set("textContent", Js(layout.caption));
        close_ = Append(caption, "button");
        close_.set("type", "button");
        close_.set("textContent", Js(u"×"));
        close_.set("title", Js(u"Закрыть"));
        close_.call<void>("setAttribute", val("aria-label"), Js(u"Закрыть"));
    }
    // The main window is the page's own; the others are regions of it, named by their captions.
    inner_ = Append(body, main ? "div" : "section");
    if (main) inner_.call<void>("setAttribute", val("role"), val("region"));
    inner_.call<void>("setAttribute", val("data-form"), val(FormName(layout.form)));
    inner_.call<void>("setAttribute", val("aria-label"), Js(layout.caption));
    val style = inner_["style"];
    style.set("width", Px(Pixels(layout.width)));
    style.set("height", Px(Pixels(layout.height)));
    style.set("backgroundColor", Css(layout.back, "rgb(239,239,239)"));
    style.set("color", Css(layout.fore, "black"));
    if (!layout.picture.empty()) style.set("backgroundImage", "url(\"" + PictureUrl(layout.picture) + "\")");
    SetFont(inner_, layout.font, layout.font);

    // The page's order is the order of the focus and of a screen reader's reading: the tab order,
    // with each value label right after its heading, so that a counter is read with its heading.
    const std::map<Control, Control> headingLabels = drillui::HeadingLabels(layout);
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : layout.controls) {
        if (!headingLabels.contains(row.name)) rows.push_back(&row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
    for (const ControlRow* row : rows) {
        Build(*row);
        for (const auto& [value, heading] : headingLabels) {
            if (heading != row->name) continue;
            for (const ControlRow& valueRow : layout.controls) {
                if (valueRow.name == value) Build(valueRow);
            }
        }
    }
    Scale(1);
}

PageWindow::~PageWindow() { frame_.call<void>("remove"); }

void PageWindow::Build(const ControlRow& row) {
    val element = val::undefined();
    switch (row.kind) {
        case Kind::Button:
            element = Append(inner_, "button");
            element.set("type", "button");
            element.set("textContent", Js(row.caption));
            element["style"].set("background", "linear-gradient(" + Shade(row.back.isDefault ? ToolkitGround : row.back, 0.67) +
                                                   "," + Shade(row.back.isDefault ? ToolkitGround : row.back, 0.33) + ")");
            element["style"].set("borderColor", Shade(row.back.isDefault ? ToolkitGround : row.back, -0.29));
            break;
        case Kind::Label:
            element = Append(inner_, "div");
            element.set("textContent", Js(row.caption));
            element["style"].set("backgroundColor", Css(row.back, "rgb(239,239,239)"));
            element["style"].set("whiteSpace", row.wrap ? "pre-wrap" : "pre");
            if (row.border) element["classList"].call<void>("add", val("sunken"));
            captions_[row.name] = std::u16string(row.caption);
            break;
        case Kind::TextBox:
            element = Append(inner_, "textarea");
            element.set("value", Js(row.caption));
            // A spelling drill: the page must not mark or mend what the pupil types.
            element.set("spellcheck", false);
            element.call<void>("setAttribute", val("autocomplete"), val("off"));
            element.call<void>("setAttribute", val("autocorrect"), val("off"));
            element.call<void>("setAttribute", val("autocapitalize"), val("off"));
            element["style"].set("backgroundColor", Css(row.back, "white"));
            element["style"].set("borderColor", Shade(row.back.isDefault ? drillui::Bgr(0x00FFFFFF) : row.back, -0.3));
            break;
    }
    element.call<void>("setAttribute", val("data-control"), val(ElementName(row.name)));
    Place(element, row.left, row.top, row.width, row.height);
    SetFont(element, row.font, layout_.font);
    element["style"].set("color", Css(Legible(row.fore, row.back, row.font.family.empty() ? layout_.font : row.font), "black"));
    element["style"].set("textAlign", row.align == drillui::Align::Centre ? "center" : "left");
    controls_.emplace(row.name, element);
}

val PageWindow::ControlElement(Control name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? val::undefined() : found->second;
}

std::optional<Control> PageWindow::ControlOf(val element) const {
    for (const auto& [name, control] : controls_) {
        if (control.call<bool>("contains", element)) return name;
    }
    return std::nullopt;
}

bool PageWindow::IsCloseButton(val element) const {
    return !close_.isUndefined() && close_.call<bool>("contains", element);
}

void PageWindow::Scale(double factor) {
    const int width = Pixels(layout_.width);
    const int height = Pixels(layout_.height) + (layout_.form == drill::MainWindow ? 0 : CaptionHeight);
    frame_["firstChild"]["style"].set("transform", "scale(" + Decimal(factor) + ")");
    frame_["style"].set("width", Px(width * factor));
    frame_["style"].set("height", Px(height * factor));
}

void PageWindow::SetCaption(Control label, drill::TextView text) {
    const auto found = captions_.find(label);
    if (found == captions_.end()) return;
    found->second = std::u16string(text);
    controls_.at(label).set("textContent", Js(text));
}

drillui::Texts PageWindow::Texts() const {
    drillui::Texts texts(captions_.begin(), captions_.end());
    for (const ControlRow& row : layout_.controls) {
        if (row.kind == Kind::TextBox) texts[row.name] = FromJs(controls_.at(row.name)["value"]);
    }
    return texts;
}

std::vector<std::u16string> PageWindow::PrintedLines() const {
    std::vector<std::u16string> lines;
    for (const PrintedLine& line : printed_) lines.push_back(line.text);
    return lines;
}

void PageWindow::PlotPoint(int x, int y) {
    // The point takes the ground colour: only the position it sets shows, through the text.
    printLeft_ = Pixels(x);
    printTop_ = Pixels(y);
}

void PageWindow::PrintLine(drill::TextView text) {
    PrintedLine line{printLeft_, printTop_, std::u16string(text)};
    // Printing the same line at the same place again must not thicken or double it.
    if (std::find(printed_.begin(), printed_.end(), line) == printed_.end()) {
        val element = Append(inner_, "div");
        element["classList"].call<void>("add", val("printed"));
        element.set("textContent", Js(text));
        element["style"].set("left", Px(line.left));
        element["style"].set("top", Px(line.top));
        lineHeight_ = element["offsetHeight"].as<int>();
        printed_.push_back(std::move(line));
    }
    // The next line starts a line of the window's font lower, at the left edge.
    printLeft_ = 0;
    printTop_ += lineHeight_;
}

}  // namespace drillweb
