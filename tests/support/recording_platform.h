#pragma once
// A platform that records every operation the drill calls, in order, and plays back a scripted
// random source. Texts are kept as UTF-8 so that expectations read like the windows.

#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/platform.h"

namespace drill::testing {

// The operations a platform was asked for, one line each, as RecordingPlatform::log writes them.
using Log = std::vector<std::string>;

std::string Utf8(TextView text);
Text Utf16(std::string_view utf8);

class RecordingPlatform : public Platform {
public:
    // Every operation as one line: "Label1 = пр_тих", "Form3.Label2 = 0", "Text1 := ...",
    // "message 48 [Tavrel] ...", "show Form2", "plot Form2 100,100", "print Form2 ...",
    // "reseed", "end".
    std::vector<std::string> log;

    // The values NextRandom gives, in order; once used up a fixed-seed generator takes over.
    std::deque<float> randomScript;
    int randomCalls = 0;

    // What the windows show now.
    std::map<std::pair<Form, Control>, Text> captions;
    Text text1;
    bool ended = false;

    std::string Caption(Control label, Form form = Form::Form1) const;
    // Messages logged so far.
    std::vector<std::string> Messages() const;
    // Hands back the log so far and starts a new one.
    std::vector<std::string> TakeLog();

    // Script the random source so that a draw over N items gives exactly this order.
    void ScriptOrder(const std::vector<int>& order, int size);

    void SetCaption(Form form, Control label, TextView text) override;
    Text GetText(Control textBox) override;
    void SetText(Control textBox, TextView text) override;
    void ShowMessage(TextView text, MessageStyle style, TextView title) override;
    void ShowWindow(Form form) override;
    void PlotPoint(Form form, int x, int y) override;
    void PrintLine(Form form, TextView text) override;
    void ReseedRandom() override;
    float NextRandom() override;
    void EndProgram() override;

private:
    std::mt19937 fallback_{12345};
};

std::string FormName(Form form);

}  // namespace drill::testing
