#include "tests/model/window_runner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include <map>
#include <sstream>

#include "tests/support/recording_platform.h"
#include "tests/support/window_testing.h"
#include "tests/support/window_controls.h"
#include "windows/program_windows.h"
#include "windows/text.h"

namespace model {

namespace {

using drill::testing::Utf8;
using drillwin::testing::SeenMessage;

// Records every operation as the recording platform does, then lets the real windows carry it out.
class Recorder final : public drill::testing::RecordingPlatform {
public:
    drill::Platform* windows = nullptr;

    void SetCaption(Form form, Control label, drill::TextView text) override {
        RecordingPlatform::SetCaption(form, label, text);
        windows->SetCaption(form, label, text);
    }
    Text GetText(Control textBox) override { return windows->GetText(textBox); }
    void SetText(Control textBox, drill::TextView text) override {
        RecordingPlatform::SetText(textBox, text);
        windows->SetText(textBox, text);
    }
    void ShowMessage(drill::TextView text, drill::MessageStyle style, drill::TextView title) override {
        RecordingPlatform::ShowMessage(text, style, title);
        windows->ShowMessage(text, style, title);
    }
    void ShowWindow(Form form) override {
        RecordingPlatform::ShowWindow(form);
        windows->ShowWindow(form);
    }
    void PlotPoint(Form form, int x, int y) override {
        RecordingPlatform::PlotPoint(form, x, y);
        windows->PlotPoint(form, x, y);
    }
    void PrintLine(Form form, drill::TextView text) override {
        RecordingPlatform::PrintLine(form, text);
        windows->PrintLine(form, text);
    }
    void ReseedRandom() override {
        RecordingPlatform::ReseedRandom();
        windows->ReseedRandom();
    }
    void EndProgram() override {
        RecordingPlatform::EndProgram();
        windows->EndProgram();
    }
};

const char* Name(Form form) {
    return form == Form::Form1 ? "the main window" : form == Form::Form2 ? "the rules window" : "the result window";
}

// The message boxes the model's operations call for, as the pupil sees them.
std::vector<SeenMessage> ExpectedMessages(const std::vector<std::string>& operations) {
    std::vector<SeenMessage> messages;
    for (const std::string& line : operations) {
        if (!line.starts_with("message ")) continue;
        const std::size_t open = line.find(" [");
        const std::size_t close = line.find("] ", open);
        const int style = std::stoi(line.substr(8, open - 8));
        const QMessageBox::Icon icon = style == 48 ? QMessageBox::Warning : style == 64 ? QMessageBox::Information : QMessageBox::NoIcon;
        messages.push_back({QString::fromStdString(line.substr(close + 2)), QString::fromStdString(line.substr(open + 2, close - open - 2)), icon});
    }
    return messages;
}

std::string MessageDifference(const std::vector<SeenMessage>& expected, const std::vector<SeenMessage>& seen) {
    std::ostringstream out;
    const auto describe = [&out](const char* heading, const std::vector<SeenMessage>& messages) {
        out << "\n    " << heading << ":";
        if (messages.empty()) out << " (none)";
        for (const SeenMessage& m : messages) {
            out << "\n      [" << m.title.toStdString() << "] icon " << static_cast<int>(m.icon) << " " << m.text.toStdString();
        }
    };
    bool same = expected.size() == seen.size();
    for (std::size_t i = 0; same && i < seen.size(); ++i) {
        same = expected[i].text == seen[i].text && expected[i].title == seen[i].title && expected[i].icon == seen[i].icon;
    }
    if (same) return {};
    out << "message boxes differ";
    describe("expected", expected);
    describe("seen", seen);
    return out.str();
}

const drillui::FormLayout* LayoutOf(const drillui::ProgramDescription& description, Form form) {
    for (const drillui::FormLayout& layout : description.forms) {
        if (layout.form == form) return &layout;
    }
    return nullptr;
}

// Every label of every window against the model, which windows stand open, the text box.
std::string ScreenDifference(const Model& model, drillwin::ProgramWindows& windows,
                             const drillui::ProgramDescription& description) {
    std::ostringstream out;
    if (windows.Ended() != model.Ended()) out << (model.Ended() ? "the program did not end; " : "the program ended; ");
    for (const Form form : {Form::Form1, Form::Form2, Form::Form3}) {
        const QWidget* window = windows.Window(form);
        const bool open = window && window->isVisible();
        if (open != model.IsOpen(form)) {
            out << Name(form) << (open ? " is open" : " is not open") << "; ";
            continue;
        }
        const drillui::FormLayout* layout = LayoutOf(description, form);
        if (!open || !layout) continue;
        // The design captions, overwritten by whatever the drill has written since the window opened.
        std::map<Control, Text> expected;
        for (const drillui::ControlRow& row : layout->controls) {
            if (row.kind == drillui::Kind::Label) expected[row.name] = Text(row.caption);
        }
        for (const auto& [key, text] : model.Captions()) {
            if (key.first == form) expected[key.second] = text;
        }
        for (const auto& [name, text] : expected) {
            const QLabel* label = LabelOf(windows, form, name);
            const Text shown = label ? drillwin::ToText(label->text()) : u"(no such label)";
            if (shown != text) {
                out << (form == Form::Form1 ? "" : std::string(drill::testing::FormName(form)) + ".") << drill::ControlName(name)
                    << " shows «" << Utf8(shown) << "», expected «" << Utf8(text) << "»; ";
            }
        }
    }
    if (model.IsOpen(Form::Form1) && TextBoxOf(windows)) {
        // As the drill reads it: every character as it stands, line separators included.
        const Text held = windows.GetText(Control::Text1);
        if (held != model.TextBox()) out << "Text1 holds «" << Utf8(held) << "», expected «" << Utf8(model.TextBox()) << "»; ";
    }
    return out.str();
}

}  // namespace

Outcome RunOnWindows(const ProgramUnderTest& program, const Sequence& sequence) {
    const ProgramFacts& facts = program.Facts;
    Recorder recorder;
    recorder.randomScript.assign(sequence.Random.begin(), sequence.Random.end());
    const drillui::ProgramDescription& own = *program.Windows;
    const drillui::ProgramDescription tapped{own.forms, [&recorder, &own](drill::Platform& windows) {
                                                  recorder.windows = &windows;
                                                  return own.makeDrill(recorder);
                                              }};
    drillwin::ProgramWindows windows(tapped);
    windows.ShowMainWindow();
    Model model(facts, sequence.Random);
    Outcome outcome;

    for (std::size_t i = 0; i < sequence.Steps.size() && !model.Ended(); ++i) {
        const Step& step = sequence.Steps[i];
        std::string difference;
        switch (step.What) {
            case Step::Kind::Edit: {
                // What a paste over the whole text does; the box must hold exactly what was pasted.
                Text text = EditText(model, step.Edit, step.Variant);
                QPlainTextEdit* box = TextBoxOf(windows);
                box->selectAll();
                box->insertPlainText(drillwin::ToQString(text));
                model.Edit(std::move(text));
                break;
            }
            case Step::Kind::Close:
                if (QWidget* window = windows.Window(step.Window)) window->close();
                QApplication::processEvents();
                model.Close(step.Window);
                break;
            case Step::Kind::Press: {
                Cover(outcome.Covered, model, step.Button);
                const std::vector<std::string> expected = model.Press(step.Button);
                recorder.log.clear();
                QAbstractButton* button = ButtonOf(windows, step.Button);
                if (!button) {
                    outcome.Failure = Divergence{i, "the main window has no " + std::string(drill::ControlName(step.Button))};
                    return outcome;
                }
                // The pupil finds the button by what it says.
                if (button->text().toStdString() != facts.Caption(step.Button)) {
                    outcome.Failure = Divergence{i, std::string(drill::ControlName(step.Button)) + " reads «" +
                                                        button->text().toStdString() + "», expected «" + facts.Caption(step.Button) + "»"};
                    return outcome;
                }
                const std::vector<SeenMessage> seen = drillwin::testing::Click(button);
                QApplication::processEvents();
                difference = LogDifference(expected, recorder.log);
                if (difference.empty()) difference = MessageDifference(ExpectedMessages(expected), seen);
                break;
            }
        }
        if (difference.empty()) difference = ScreenDifference(model, windows, own);
        if (difference.empty() && recorder.randomCalls != model.RandomUsed()) {
            difference = "random values drawn: expected " + std::to_string(model.RandomUsed()) + ", drawn " +
                         std::to_string(recorder.randomCalls);
        }
        if (!difference.empty()) {
            outcome.Failure = Divergence{i, std::move(difference)};
            return outcome;
        }
        outcome.ReachedEnd = outcome.ReachedEnd || model.Now() == Model::State::Finished;
    }
    return outcome;
}

}  // namespace model
