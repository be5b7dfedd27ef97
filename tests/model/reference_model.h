#pragma once
// A second, independent statement of what every program does on every press, written from the state
// tables of the drills and sharing no code with the engine. The model says what the windows must
// show and which platform operations a press must cause, in order; the model tests run it side by
// side with the real drill and stop at the first difference.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/platform.h"

namespace model {

using drill::Control;
using drill::Form;
using drill::Text;

struct ChoiceItem {
    int Number = 0;
    Text Prompt;
    Text CorrectOption;
    Text FullText;
};

struct Sentence {
    int Number = 0;
    Text ShownText;
    Text ExpectedText;
};

// A result category: its range of item numbers and the result window labels of its two counts.
struct Category {
    int First = 0;
    int Last = 0;
    Control ErrorsLabel = Control::Label6;
    Control ShownLabel = Control::Label23;
};

struct PrintedRule {
    int X = 0;
    int Y = 0;
    Text Line;
};

enum class Variant { Choice, Comma };

// Everything the model needs to know of one program.
struct ProgramFacts {
    std::string Name;
    Variant Kind = Variant::Choice;
    int N = 0;
    Text FirstOption, SecondOption;  // choice drills: the values Command3 and Command4 carry
    Text Title;
    Text EndMessage;
    int WarningStyle = 0;  // 0, 48 or 64, as the message box styles are numbered
    int EndStyle = 0;
    // After a wrong first answer's error mark: the error count written before the full text, or
    // after it.
    bool CountBeforeFullText = true;
    std::vector<Category> Categories;  // not empty: the program has the result window
    std::vector<PrintedRule> RuleLines;
    std::vector<ChoiceItem> Items;     // choice drills, in bank order
    std::vector<Sentence> Sentences;   // the comma drill, in bank order
    // Button captions, Command1..Command7, for readable sequences; empty where the program has none.
    std::array<std::string, 7> Buttons;
    // What a screen reader says of the rules window as it opens, and of the result window before
    // "Начало" (empty where there is none): the choice drills.
    std::string RulesSaid;
    std::string ResultSaid;
    // The choice drills' answer keys besides the digits: the letters (Cyrillic, small) that press
    // each answer button, and how each button names its keys to a screen reader.
    std::u16string FirstLetters, SecondLetters;
    std::string FirstKeysNamed, SecondKeysNamed;

    bool HasResultWindow() const { return !Categories.empty(); }
    bool HasButton(Control button) const;
    const std::string& Caption(Control button) const;
};

using Counter = std::optional<int>;  // unset until first raised; shown empty while unset

class Model {
public:
    // The random source gives these values in order; NextRandom past their end is a test fault.
    Model(const ProgramFacts& facts, std::vector<float> random);

    // The platform operations one press causes, in order, one line each in the form the recording
    // platform logs them.
    std::vector<std::string> Press(Control button);
    // The pupil leaves this text in the text box.
    void Edit(Text text) { textBox_ = std::move(text); }
    // The pupil closes a secondary window with its close box: what was written into it goes too.
    void Close(Form form);

    const ProgramFacts& Facts() const { return facts_; }
    // What each label shows, for the labels written since their window was (re)created.
    const std::map<std::pair<Form, Control>, Text>& Captions() const { return captions_; }
    const Text& TextBox() const { return textBox_; }
    bool IsOpen(Form form) const { return open_[static_cast<std::size_t>(form)]; }
    bool Ended() const { return ended_; }

    enum class State { NotStarted, Unanswered, Answered, Finished };
    State Now() const;

    std::int64_t Position() const { return position_; }
    std::int64_t AnswerCount() const { return answerCount_; }
    int ErrorCount() const { return errorCount_; }
    int RandomUsed() const { return randomUsed_; }
    const std::vector<int>& Order() const { return order_; }
    Counter CategoryErrors(int k) const { return categoryErrors_[static_cast<std::size_t>(k - 1)]; }
    Counter CategoryShown(int k) const { return categoryShown_[static_cast<std::size_t>(k - 1)]; }
    Counter NoAnswerCount() const { return noAnswer_; }

    // The sentence on show (comma drill): empty before the start.
    const Text& ShownText() const { return shownText_; }
    const Text& ExpectedText() const { return expectedText_; }

private:
    // Choice drills.
    void StartRound();
    void AnswerItem(const Text& option);
    void NextItem();
    void ShowRules();
    void ShowResult();
    void LoadItem();
    void RaiseError(int number);   // a wrong first answer
    void RaiseNoAnswer();          // moving on from an unanswered item
    // The comma drill.
    void StartPass();
    void RestoreSentence();
    void CheckCommas();
    void NextSentence();
    void LoadSentence();

    bool RulesAllowed();
    void DrawOrder();
    int CategoryOf(int number) const;

    // Platform operations: each appends its log line and changes what the windows show.
    void SetCaption(Form form, Control label, const Text& text);
    void SetText(const Text& text);
    void Message(const Text& text, int style);
    void ShowWindow(Form form);
    void Plot(int x, int y);
    void Print(const Text& line);
    void Log(std::string line) { effects_.push_back(std::move(line)); }

    const ProgramFacts& facts_;
    std::vector<float> random_;
    int randomUsed_ = 0;

    std::int64_t position_ = 0;
    std::int64_t answerCount_ = 0;
    int errorCount_ = 0;
    std::vector<int> order_;
    ChoiceItem current_;
    Text shownText_, expectedText_;
    std::vector<Counter> categoryErrors_, categoryShown_;
    Counter noAnswer_;

    std::map<std::pair<Form, Control>, Text> captions_;
    Text textBox_;
    std::array<bool, 3> open_{true, false, false};
    bool ended_ = false;
    std::vector<std::string> effects_;
};

// Decimal digits as the labels show numbers.
Text Number(std::int64_t value);

}  // namespace model
