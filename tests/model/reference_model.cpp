#include "tests/model/reference_model.h"

#include <cmath>
#include <stdexcept>

#include "tests/support/recording_platform.h"

namespace model {

namespace {

const Text kWarning = u"Вначале дайте ответ, затем можете повторить правило.";
const Text kErrorMark = u"Была ошибка";
const Text kRight = u"Правильно";
const Text kWrong = u"Ошибка. Ваш ответ:";
const Text kRestoreWarning = u"Повтор возможен до проверки.";
const Text kConfirmWarning = u"Подтвердите Вашу расстановку запятых.";

std::string FormText(Form form) { return "Form" + std::to_string(static_cast<int>(form) + 1); }

std::string ControlText(Control control) {
    const int index = static_cast<int>(control);
    if (index <= static_cast<int>(Control::Command7)) return "Command" + std::to_string(index + 1);
    if (control == Control::Text1) return "Text1";
    return "Label" + std::to_string(index - static_cast<int>(Control::Label1) + 1);
}

Text Shown(const Counter& counter) { return counter ? Number(*counter) : Text{}; }

void Raise(Counter& counter) { counter = counter.value_or(0) + 1; }

}  // namespace

Text Number(std::int64_t value) {
    Text digits;
    for (const char c : std::to_string(value)) digits += static_cast<char16_t>(c);
    return digits;
}

bool ProgramFacts::HasButton(Control button) const {
    return !Buttons[static_cast<std::size_t>(button)].empty();
}

const std::string& ProgramFacts::Caption(Control button) const { return Buttons[static_cast<std::size_t>(button)]; }

Model::Model(const ProgramFacts& facts, std::vector<float> random)
    : facts_(facts),
      random_(std::move(random)),
      order_(static_cast<std::size_t>(facts.N), 0),
      categoryErrors_(facts.Categories.size()),
      categoryShown_(facts.Categories.size()) {}

std::vector<std::string> Model::Press(Control button) {
    effects_.clear();
    if (ended_) return {};
    if (button == Control::Command7) {
        Log("end");
        ended_ = true;
        open_ = {false, false, false};
        return effects_;
    }
    if (facts_.Kind == Variant::Choice) {
        switch (button) {
            case Control::Command1: ShowRules(); break;
            case Control::Command2: StartRound(); break;
            case Control::Command3: AnswerItem(facts_.FirstOption); break;
            case Control::Command4: AnswerItem(facts_.SecondOption); break;
            case Control::Command5: NextItem(); break;
            case Control::Command6: ShowResult(); break;
            default: break;
        }
    } else {
        switch (button) {
            case Control::Command1:
                if (RulesAllowed()) ShowWindow(Form::Form2);
                break;
            case Control::Command2: StartPass(); break;
            case Control::Command3: RestoreSentence(); break;
            case Control::Command4: CheckCommas(); break;
            case Control::Command5: NextSentence(); break;
            default: break;
        }
    }
    return effects_;
}

Model::State Model::Now() const {
    if (position_ == 0) return State::NotStarted;
    if (position_ > facts_.N) return State::Finished;
    return answerCount_ == 0 ? State::Unanswered : State::Answered;
}

void Model::Close(Form form) {
    if (form == Form::Form1) {
        // The main window's close box ends the program with every window.
        ended_ = true;
        open_ = {false, false, false};
        return;
    }
    open_[static_cast<std::size_t>(form)] = false;
    std::erase_if(captions_, [form](const auto& entry) { return entry.first.first == form; });
}

// --- The choice drills ---------------------------------------------------------------------------

void Model::StartRound() {
    if (position_ != 0) return;
    DrawOrder();
    position_ = 1;
    LoadItem();
    SetCaption(Form::Form1, Control::Label1, current_.Prompt);
    SetCaption(Form::Form1, Control::Label7, Number(position_));
}

void Model::AnswerItem(const Text& option) {
    if (position_ > facts_.N) {
        SetCaption(Form::Form1, Control::Label1, current_.FullText);
        return;
    }
    if (position_ == 0) return;
    ++answerCount_;
    if (answerCount_ == 1 && option != current_.CorrectOption) {
        RaiseError(current_.Number);
        SetCaption(Form::Form1, Control::Label8, kErrorMark);
        if (facts_.CountBeforeFullText) {
            SetCaption(Form::Form1, Control::Label5, Number(errorCount_));
            SetCaption(Form::Form1, Control::Label1, current_.FullText);
        } else {
            SetCaption(Form::Form1, Control::Label1, current_.FullText);
            SetCaption(Form::Form1, Control::Label5, Number(errorCount_));
        }
        return;
    }
    SetCaption(Form::Form1, Control::Label1, current_.FullText);
}

void Model::NextItem() {
    if (position_ == 0) return;
    SetCaption(Form::Form1, Control::Label8, u"");
    if (answerCount_ == 0 && position_ <= facts_.N) {
        RaiseNoAnswer();
        SetCaption(Form::Form1, Control::Label5, Number(errorCount_));
    }
    answerCount_ = 0;
    ++position_;
    if (position_ > facts_.N) {
        Message(facts_.EndMessage, facts_.EndStyle);
        return;
    }
    LoadItem();
    SetCaption(Form::Form1, Control::Label1, current_.Prompt);
    SetCaption(Form::Form1, Control::Label7, Number(position_));
}

void Model::ShowRules() {
    if (!RulesAllowed()) return;
    ShowWindow(Form::Form2);
    for (const PrintedRule& rule : facts_.RuleLines) {
        Plot(rule.X, rule.Y);
        Print(rule.Line);
    }
}

void Model::ShowResult() {
    if (!facts_.HasResultWindow()) return;
    ShowWindow(Form::Form3);
    SetCaption(Form::Form3, Control::Label2, Number(errorCount_));
    for (std::size_t k = 0; k < facts_.Categories.size(); ++k) {
        SetCaption(Form::Form3, facts_.Categories[k].ErrorsLabel, Shown(categoryErrors_[k]));
    }
    SetCaption(Form::Form3, Control::Label21, Shown(noAnswer_));
    const Text asked = position_ == 0 ? Text{} : Number(std::min<std::int64_t>(position_, facts_.N));
    SetCaption(Form::Form3, Control::Label22, asked);
    for (std::size_t k = 0; k < facts_.Categories.size(); ++k) {
        SetCaption(Form::Form3, facts_.Categories[k].ShownLabel, Shown(categoryShown_[k]));
    }
}

void Model::LoadItem() {
    const int number = order_[static_cast<std::size_t>(position_ - 1)];
    current_ = facts_.Items.at(static_cast<std::size_t>(number - 1));
    if (current_.Number != number) throw std::logic_error("the bank rows must be numbered in order");
    if (facts_.HasResultWindow()) Raise(categoryShown_[static_cast<std::size_t>(CategoryOf(number) - 1)]);
}

// One error count for the round, raised once for each item at most; the result categories tally
// beside it.
void Model::RaiseError(int number) {
    ++errorCount_;
    if (facts_.HasResultWindow()) Raise(categoryErrors_[static_cast<std::size_t>(CategoryOf(number) - 1)]);
}

void Model::RaiseNoAnswer() {
    ++errorCount_;
    if (facts_.HasResultWindow()) Raise(noAnswer_);
}

int Model::CategoryOf(int number) const {
    for (std::size_t k = 0; k < facts_.Categories.size(); ++k) {
        if (facts_.Categories[k].First <= number && number <= facts_.Categories[k].Last) return static_cast<int>(k) + 1;
    }
    throw std::logic_error("an item outside every category");
}

// --- The comma drill -----------------------------------------------------------------------------

void Model::StartPass() {
    if (position_ != 0) return;
    DrawOrder();
    position_ = 1;
    LoadSentence();
    SetText(shownText_);
    SetCaption(Form::Form1, Control::Label7, u"1");
}

void Model::RestoreSentence() {
    if (answerCount_ != 0) {
        Message(kRestoreWarning, facts_.WarningStyle);
        return;
    }
    SetText(shownText_);
}

void Model::CheckCommas() {
    if (position_ > facts_.N || position_ == 0) return;
    ++answerCount_;
    if (answerCount_ > 1) {
        SetText(u"");
        return;
    }
    const Text answer = textBox_;
    if (answer == expectedText_) {
        SetCaption(Form::Form1, Control::Label1, kRight);
        return;
    }
    ++errorCount_;
    SetCaption(Form::Form1, Control::Label8, answer);
    SetCaption(Form::Form1, Control::Label5, Number(errorCount_));
    SetCaption(Form::Form1, Control::Label1, kWrong);
}

void Model::NextSentence() {
    if (position_ == 0) return;
    if (textBox_ != shownText_ && answerCount_ == 0) {
        Message(kConfirmWarning, facts_.WarningStyle);
        return;
    }
    SetCaption(Form::Form1, Control::Label8, u"");
    SetCaption(Form::Form1, Control::Label1, u"");
    if (answerCount_ == 0 && position_ <= facts_.N) {
        ++errorCount_;
        SetCaption(Form::Form1, Control::Label5, Number(errorCount_));
    }
    answerCount_ = 0;
    ++position_;
    if (position_ > facts_.N) {
        Message(facts_.EndMessage, facts_.EndStyle);
        return;
    }
    LoadSentence();
    SetText(shownText_);
    SetCaption(Form::Form1, Control::Label7, Number(position_));
}

void Model::LoadSentence() {
    const int number = order_[static_cast<std::size_t>(position_ - 1)];
    const Sentence& row = facts_.Sentences.at(static_cast<std::size_t>(number - 1));
    if (row.Number != number) throw std::logic_error("the bank rows must be numbered in order");
    shownText_ = row.ShownText;
    expectedText_ = row.ExpectedText;
}

// --- Shared --------------------------------------------------------------------------------------

bool Model::RulesAllowed() {
    if (position_ > facts_.N) return true;
    if (position_ > 0 && answerCount_ == 0) {
        Message(kWarning, facts_.WarningStyle);
        return false;
    }
    return true;
}

// Reseed once, then for each slot draw floor(r x N) + 1 until the candidate stands in no slot.
void Model::DrawOrder() {
    Log("reseed");
    for (int& slot : order_) {
        for (;;) {
            if (randomUsed_ >= static_cast<int>(random_.size())) throw std::logic_error("the random script ran out");
            const float r = random_[static_cast<std::size_t>(randomUsed_++)];
            const int candidate = static_cast<int>(std::floor(static_cast<double>(r) * facts_.N)) + 1;
            bool taken = false;
            for (const int other : order_) taken = taken || other == candidate;
            if (!taken) {
                slot = candidate;
                break;
            }
        }
    }
}

void Model::SetCaption(Form form, Control label, const Text& text) {
    captions_[{form, label}] = text;
    Log((form == Form::Form1 ? "" : FormText(form) + ".") + ControlText(label) + " = " + drill::testing::Utf8(text));
}

void Model::SetText(const Text& text) {
    textBox_ = text;
    Log("Text1 := " + drill::testing::Utf8(text));
}

void Model::Message(const Text& text, int style) {
    Log("message " + std::to_string(style) + " [" + drill::testing::Utf8(facts_.Title) + "] " + drill::testing::Utf8(text));
}

void Model::ShowWindow(Form form) {
    open_[static_cast<std::size_t>(form)] = true;
    Log("show " + FormText(form));
}

void Model::Plot(int x, int y) {
    Log("plot Form2 " + std::to_string(x) + "," + std::to_string(y));
}

void Model::Print(const Text& line) {
    Log("print Form2 " + drill::testing::Utf8(line));
}

}  // namespace model
