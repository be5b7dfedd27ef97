#include "tests/model/sequences.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

#include "tests/support/recording_platform.h"

namespace model {

namespace {

// SplitMix64: small, fast, and the same on every compiler, so a seed means the same sequence
// everywhere.
class Source {
public:
    explicit Source(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::uint64_t state_;
};

// Uniform values with the edges mixed in: 0, the largest float below 1, repeats that the draw must
// reject, and values on the boundaries between two candidates.
std::vector<float> Script(Source& source, int n) {
    std::vector<float> values;
    std::vector<bool> seen(static_cast<std::size_t>(n) + 1, false);
    int missing = n;
    int extra = 16;
    while (missing > 0 || extra-- > 0) {
        float r = 0;
        switch (source.Below(16)) {
            case 0: r = 0.0f; break;
            case 1: r = std::nextafter(1.0f, 0.0f); break;
            case 2: r = values.empty() ? 0.5f : values.back(); break;
            case 3: r = static_cast<float>(source.Below(n)) / static_cast<float>(n); break;
            default: r = static_cast<float>(source.Next() >> 40) * 0x1p-24f; break;
        }
        values.push_back(r);
        const int candidate = static_cast<int>(std::floor(static_cast<double>(r) * n)) + 1;
        if (!seen[static_cast<std::size_t>(candidate)]) {
            seen[static_cast<std::size_t>(candidate)] = true;
            --missing;
        }
    }
    return values;
}

Text Replace(Text text, char16_t from, char16_t to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

std::string Quoted(const Text& text) {
    constexpr std::size_t kShown = 120;
    std::string shown = drill::testing::Utf8(text.size() > kShown ? text.substr(0, kShown) : text);
    std::string escaped;
    for (const char c : shown) {
        if (c == '\n') escaped += "\\n";
        else if (c == '\r') escaped += "\\r";
        else if (c == '\0') escaped += "\\0";
        else escaped += c;
    }
    if (text.size() > kShown) escaped += "… (" + std::to_string(text.size()) + " characters)";
    return "«" + escaped + "»";
}

const char* EditName(EditKind kind) {
    switch (kind) {
        case EditKind::Unchanged: return "unchanged";
        case EditKind::Corrected: return "corrected";
        case EditKind::Wrong: return "wrong";
        case EditKind::Emptied: return "emptied";
        case EditKind::Hostile: return "hostile";
    }
    return "?";
}

}  // namespace

Text EditText(const Model& model, EditKind kind, int variant) {
    const Text& shown = model.ShownText();
    const Text& expected = model.ExpectedText();
    switch (kind) {
        case EditKind::Unchanged: return shown;
        case EditKind::Corrected: return expected;
        case EditKind::Emptied: return {};
        case EditKind::Wrong:
            switch (variant % 8) {
                case 0: {  // е typed for ё, or the full stop left out
                    const Text plain = Replace(expected, u'ё', u'е');
                    return plain != expected || expected.empty() ? plain : expected.substr(0, expected.size() - 1);
                }
                case 1: return expected + u" ";
                case 2: {  // only the first comma
                    const std::size_t last = expected.rfind(u',');
                    if (last == Text::npos) return expected + u",";
                    Text text = expected;
                    text.erase(last, 1);
                    return text;
                }
                case 3: {  // a comma after the first word
                    Text text = shown;
                    const std::size_t blank = text.find(u' ');
                    text.insert(blank == Text::npos ? text.size() : blank, u",");
                    return text;
                }
                case 4: {  // a line break after the first comma
                    Text text = expected;
                    const std::size_t comma = text.find(u',');
                    text.insert(comma == Text::npos ? text.size() : comma + 1, u"\n");
                    return text;
                }
                case 5: {  // small first letter
                    Text text = expected;
                    if (!text.empty() && text[0] >= u'А' && text[0] <= u'Я') text[0] = static_cast<char16_t>(text[0] + 0x20);
                    else text.insert(0, u" ");
                    return text;
                }
                case 6: {  // a doubled blank
                    Text text = expected;
                    const std::size_t blank = text.find(u' ');
                    text.insert(blank == Text::npos ? text.size() : blank, u" ");
                    return text;
                }
                default: return u" " + expected;
            }
        case EditKind::Hostile:
            switch (variant % 8) {
                case 0: return expected + u'\xD800';                        // a lone high surrogate
                case 1: return u'\xDC00' + expected;                        // a lone low surrogate
                case 2: return Replace(expected, u',', u'\x201A');           // a look-alike comma
                case 3: return expected.substr(0, expected.size() / 2) + u"\u2028" + expected.substr(expected.size() / 2);
                case 4: return Text(10000, u',');                            // very long
                case 5: return u"<b>" + expected + u"</b> &amp; <img src=x>";  // markup
                case 6: return u"\u202E\uFEFF" + expected + u"\u0301\uFFFF";     // bidi, BOM, combining, noncharacter
                default: return expected + u"\U0001F600";                    // a surrogate pair
            }
    }
    return {};
}

Sequence MakeSequence(const ProgramFacts& facts, std::uint64_t seed, Reach reach) {
    Source source(seed);
    Sequence sequence;
    sequence.Seed = seed;
    sequence.Random = Script(source, facts.N);

    // Each sequence leans its own way: some answer a lot, some skip to the end, some ask for the
    // rules on every item, so every state meets every button.
    std::vector<Control> buttons;
    std::vector<int> weights;
    for (const Control button : {Control::Command1, Control::Command2, Control::Command3, Control::Command4,
                                 Control::Command5, Control::Command6}) {
        if (!facts.HasButton(button)) continue;
        buttons.push_back(button);
        weights.push_back(button == Control::Command5 ? 1 + source.Below(6) : source.Below(5));
    }
    int total = 0;
    for (const int weight : weights) total += weight;
    const int editPercent = facts.Kind == Variant::Comma ? std::array{0, 15, 40}[static_cast<std::size_t>(source.Below(3))] : 0;
    const int closePercent = reach == Reach::Windows ? source.Below(8) : 0;

    const int length = source.Below(5 * facts.N + 12);
    // The first press is most often "Начало", as a pupil's would be.
    if (source.Chance(80)) sequence.Steps.push_back({Step::Kind::Press, Control::Command2});
    for (int i = 0; i < length; ++i) {
        if (editPercent && source.Chance(editPercent)) {
            Step edit{Step::Kind::Edit};
            edit.Edit = static_cast<EditKind>(source.Below(5));
            edit.Variant = static_cast<std::uint8_t>(source.Below(8));
            sequence.Steps.push_back(edit);
        }
        if (closePercent && source.Chance(closePercent)) {
            Step close{Step::Kind::Close};
            close.Window = facts.HasResultWindow() && source.Chance(50) ? Form::Form3 : Form::Form2;
            sequence.Steps.push_back(close);
        }
        int pick = source.Below(total);
        std::size_t index = 0;
        while (pick >= weights[index]) pick -= weights[index++];
        sequence.Steps.push_back({Step::Kind::Press, buttons[index]});
    }
    // A quarter of the runs end the program: by "Выход", or by the main window's close box.
    if (source.Chance(25)) {
        Step last{Step::Kind::Press, Control::Command7};
        if (reach == Reach::Windows && source.Chance(30)) {
            last = {Step::Kind::Close};
            last.Window = Form::Form1;
        }
        sequence.Steps.push_back(last);
    }
    return sequence;
}

std::vector<float> RandomScript(std::uint64_t seed, int n) {
    Source source(seed);
    return Script(source, n);
}

Step Press(Control button) { return {Step::Kind::Press, button}; }

Step Close(Form window) {
    Step step{Step::Kind::Close};
    step.Window = window;
    return step;
}

void Cover(std::uint64_t& covered, const Model& model, Control button) {
    covered |= std::uint64_t{1} << (8 * static_cast<int>(model.Now()) + static_cast<int>(button));
}

Sequence Shrink(Sequence failing, const Runner& run) {
    std::size_t chunk = std::max<std::size_t>(failing.Steps.size() / 2, 1);
    for (;;) {
        bool dropped = false;
        for (std::size_t start = 0; start < failing.Steps.size();) {
            Sequence candidate = failing;
            const auto begin = candidate.Steps.begin() + static_cast<std::ptrdiff_t>(start);
            candidate.Steps.erase(begin, begin + static_cast<std::ptrdiff_t>(std::min(chunk, failing.Steps.size() - start)));
            if (run(candidate).Failure) {
                failing = std::move(candidate);
                dropped = true;
            } else {
                start += chunk;
            }
        }
        if (chunk == 1 && !dropped) return failing;
        if (!dropped) chunk = std::max<std::size_t>(chunk / 2, 1);
    }
}

std::string Describe(const ProgramFacts& facts, const Sequence& sequence) {
    std::ostringstream out;
    Model replay(facts, sequence.Random);
    int number = 0;
    for (const Step& step : sequence.Steps) {
        out << "  " << ++number << ". ";
        switch (step.What) {
            case Step::Kind::Press:
                out << "press «" << facts.Caption(step.Button) << "» (" << drill::ControlName(step.Button) << ")";
                replay.Press(step.Button);
                break;
            case Step::Kind::Edit: {
                const Text text = EditText(replay, step.Edit, step.Variant);
                out << "leave " << EditName(step.Edit) << " text in the box: " << Quoted(text);
                replay.Edit(text);
                break;
            }
            case Step::Kind::Close:
                out << "close " << (step.Window == Form::Form1 ? "the main window" : step.Window == Form::Form2 ? "the rules window" : "the result window");
                replay.Close(step.Window);
                break;
        }
        out << "\n";
    }
    return out.str();
}

std::string FailureReport(const ProgramFacts& facts, const Sequence& failing, const Runner& run) {
    const Sequence shortest = Shrink(failing, run);
    const Outcome outcome = run(shortest);
    std::ostringstream out;
    out << facts.Name << ": the program and the model differ; seed " << failing.Seed << " ("
        << failing.Steps.size() << " steps), shortest failing sequence found (" << shortest.Steps.size()
        << " steps):\n"
        << Describe(facts, shortest);
    if (outcome.Failure) out << "after step " << outcome.Failure->Step + 1 << ": " << outcome.Failure->What << "\n";
    return out.str();
}

RunFigures CheckMany(const ProgramFacts& facts, Reach reach, const Runner& run, std::uint64_t firstSeed,
                     std::int64_t count) {
    RunFigures figures;
    for (std::int64_t i = 0; i < count; ++i) {
        const Sequence sequence = MakeSequence(facts, firstSeed + static_cast<std::uint64_t>(i), reach);
        const Outcome outcome = run(sequence);
        ++figures.Sequences;
        figures.Steps += static_cast<std::int64_t>(sequence.Steps.size());
        figures.FinishedRounds += outcome.ReachedEnd ? 1 : 0;
        figures.Covered |= outcome.Covered;
        if (outcome.Failure) {
            figures.Failure = FailureReport(facts, sequence, run);
            break;
        }
    }
    return figures;
}

std::string LogDifference(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    if (expected == actual) return {};
    std::ostringstream out;
    out << "platform operations differ\n    expected:";
    if (expected.empty()) out << " (none)";
    for (const std::string& line : expected) out << "\n      " << line;
    out << "\n    actual:";
    if (actual.empty()) out << " (none)";
    for (const std::string& line : actual) out << "\n      " << line;
    return out.str();
}

}  // namespace model
