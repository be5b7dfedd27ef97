#pragma once
// The operations the drill logic needs from the window toolkit and the runtime. The engine reaches
// the windows only through this interface; the Qt windows implement it, tests record it.

#include <cstdint>
#include <string>
#include <string_view>

namespace drill {

// Texts are UTF-16 so that whatever a Qt text box holds (lone surrogates included) passes through
// the engine unchanged and compares exactly.
using Text = std::u16string;
using TextView = std::u16string_view;

enum class Form : std::uint8_t { Form1, Form2, Form3 };

// Control names of the windows. A label is addressed by its form and its name.
enum class Control : std::uint8_t {
    Command1, Command2, Command3, Command4, Command5, Command6, Command7,
    Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
    Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20,
    Label21, Label22, Label23, Label24, Label25, Label26, Label27,
    Text1,
};

// The message box style numbers the programs use: no icon, warning icon, information icon.
enum class MessageStyle : int { Plain = 0, Warning = 48, Information = 64 };

class Platform {
public:
    virtual ~Platform() = default;

    // Replaces a label's whole text; the empty text blanks it.
    virtual void SetCaption(Form form, Control label, TextView text) = 0;
    // The text box's whole content as the pupil left it, line breaks included.
    virtual Text GetText(Control textBox) = 0;
    virtual void SetText(Control textBox, TextView text) = 0;
    // Modal box with one OK button; returns when the pupil closes it.
    virtual void ShowMessage(TextView text, MessageStyle style, TextView title) = 0;
    // Creates the secondary window on first use (or after the pupil closed it), shows it modeless
    // and brings it to the front.
    virtual void ShowWindow(Form form) = 0;
    // x, y in twips from the top-left of the window's inner area; the next PrintLine starts there.
    virtual void PlotPoint(Form form, int x, int y) = 0;
    virtual void PrintLine(Form form, TextView text) = 0;
    virtual void ReseedRandom() = 0;
    // Uniform in [0, 1), single precision.
    virtual float NextRandom() = 0;
    virtual void EndProgram() = 0;
};

// "Command1", "Label27", "Text1".
std::string_view ControlName(Control control);

// Plain decimal digits, no sign, blank or leading zero.
Text Digits(std::uint32_t value);

}  // namespace drill
