#include "tests/model/engine_runner.h"

#include <algorithm>
#include <sstream>

#include "engine/comma_drill.h"
#include "engine/drill_session.h"
#include "tests/support/recording_platform.h"

namespace model {

namespace {

using drill::testing::RecordingPlatform;
using drill::testing::Utf8;

std::string Mismatch(const std::string& what, std::int64_t expected, std::int64_t actual) {
    return what + ": expected " + std::to_string(expected) + ", the drill has " + std::to_string(actual);
}

std::string LabelName(const std::pair<Form, Control>& key) {
    return (key.first == Form::Form1 ? "" : drill::testing::FormName(key.first) + ".") + std::string(drill::ControlName(key.second));
}

// What the windows show, as the recording platform last set it, against the model.
std::string ScreenDifference(const Model& model, const RecordingPlatform& platform) {
    std::ostringstream out;
    if (platform.captions != model.Captions()) {
        std::vector<std::pair<Form, Control>> keys;
        for (const auto& [key, text] : platform.captions) keys.push_back(key);
        for (const auto& [key, text] : model.Captions()) keys.push_back(key);
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        for (const auto& key : keys) {
            const auto shown = platform.captions.find(key);
            const auto expected = model.Captions().find(key);
            const std::string shownText = shown == platform.captions.end() ? "(never written)" : "«" + Utf8(shown->second) + "»";
            const std::string expectedText = expected == model.Captions().end() ? "(never written)" : "«" + Utf8(expected->second) + "»";
            if (shownText != expectedText) out << LabelName(key) << " shows " << shownText << ", expected " << expectedText << "; ";
        }
    }
    if (platform.text1 != model.TextBox()) {
        out << "Text1 holds «" << Utf8(platform.text1) << "», expected «" << Utf8(model.TextBox()) << "»; ";
    }
    if (platform.ended != model.Ended()) out << (model.Ended() ? "the program did not end; " : "the program ended; ");
    return out.str();
}

std::string SessionDifference(const Model& model, const drill::DrillSession& session) {
    const ProgramFacts& facts = model.Facts();
    if (session.Position() != model.Position()) return Mismatch("Position", model.Position(), session.Position());
    if (session.AnswerCount() != model.AnswerCount()) return Mismatch("AnswerCount", model.AnswerCount(), session.AnswerCount());
    if (session.ErrorCount() != model.ErrorCount()) return Mismatch("ErrorCount", model.ErrorCount(), session.ErrorCount());
    for (int p = 1; p <= facts.N; ++p) {
        const int expected = model.Order()[static_cast<std::size_t>(p - 1)];
        if (session.Order().Slot(p) != expected) return Mismatch("QuestionOrder slot " + std::to_string(p), expected, session.Order().Slot(p));
    }
    const int position = static_cast<int>(std::min<std::int64_t>(session.Position(), facts.N));
    if (session.ErrorCount() < 0 || session.ErrorCount() > position) {
        return "ErrorCount " + std::to_string(session.ErrorCount()) + " is more than the items shown";
    }
    if (!facts.HasResultWindow()) return session.Tally() ? "a result tally in a drill without categories" : "";
    if (!session.Tally()) return "no result tally";

    // The invariants of the result tally, then its counters against the model's.
    const drill::ResultTally& tally = *session.Tally();
    if (tally.CategoryCount() != static_cast<int>(facts.Categories.size())) {
        return Mismatch("number of categories", static_cast<std::int64_t>(facts.Categories.size()), tally.CategoryCount());
    }
    int errors = tally.NoAnswerCount().value_or(0);
    int shown = 0;
    for (int k = 1; k <= tally.CategoryCount(); ++k) {
        const int categoryErrors = tally.CategoryErrors(k).value_or(0);
        const int categoryShown = tally.CategoryShown(k).value_or(0);
        const Category& category = facts.Categories[static_cast<std::size_t>(k - 1)];
        if (categoryErrors > categoryShown || categoryShown > category.Last - category.First + 1) {
            return "category " + std::to_string(k) + ": " + std::to_string(categoryErrors) + " errors of " +
                   std::to_string(categoryShown) + " shown, of " + std::to_string(category.Last - category.First + 1);
        }
        if (tally.CategoryErrors(k) != model.CategoryErrors(k)) return "CategoryErrors[" + std::to_string(k) + "] differs from the model";
        if (tally.CategoryShown(k) != model.CategoryShown(k)) return "CategoryShown[" + std::to_string(k) + "] differs from the model";
        errors += categoryErrors;
        shown += categoryShown;
    }
    if (tally.NoAnswerCount() != model.NoAnswerCount()) return "NoAnswerCount differs from the model";
    if (session.ErrorCount() != errors) return Mismatch("ErrorCount against the sum of the tally", errors, session.ErrorCount());
    if (shown != position) return Mismatch("items shown in all categories", position, shown);
    return {};
}

std::string CommaDifference(const Model& model, const drill::CommaDrill& comma) {
    if (comma.Position() != model.Position()) return Mismatch("Position", model.Position(), comma.Position());
    if (comma.AnswerCount() != model.AnswerCount()) return Mismatch("AnswerCount", model.AnswerCount(), comma.AnswerCount());
    if (comma.ErrorCount() != model.ErrorCount()) return Mismatch("ErrorCount", model.ErrorCount(), comma.ErrorCount());
    const int n = model.Facts().N;
    for (int p = 1; p <= n; ++p) {
        const int expected = model.Order()[static_cast<std::size_t>(p - 1)];
        if (comma.Order().Slot(p) != expected) return Mismatch("QuestionOrder slot " + std::to_string(p), expected, comma.Order().Slot(p));
    }
    if (comma.ErrorCount() > std::min<std::int64_t>(comma.Position(), n)) return "ErrorCount is more than the sentences shown";
    if (comma.ShownText() != model.ShownText() || comma.ExpectedText() != model.ExpectedText()) return "the sentence on show differs";
    return {};
}

}  // namespace

std::string StateDifference(const Model& model, const RecordingPlatform& platform, const drill::Drill& drill) {
    std::string difference = ScreenDifference(model, platform);
    if (difference.empty() && platform.randomCalls != model.RandomUsed()) {
        difference = Mismatch("random values drawn", model.RandomUsed(), platform.randomCalls);
    }
    if (difference.empty()) {
        if (const auto* session = dynamic_cast<const drill::DrillSession*>(&drill)) difference = SessionDifference(model, *session);
        if (const auto* comma = dynamic_cast<const drill::CommaDrill*>(&drill)) difference = CommaDifference(model, *comma);
    }
    return difference;
}

Outcome RunOnDrill(const ProgramUnderTest& program, const Sequence& sequence) {
    const ProgramFacts& facts = program.Facts;
    RecordingPlatform platform;
    platform.randomScript.assign(sequence.Random.begin(), sequence.Random.end());
    const std::unique_ptr<drill::Drill> drill = program.MakeDrill(platform);
    Model model(facts, sequence.Random);
    Outcome outcome;

    for (std::size_t i = 0; i < sequence.Steps.size() && !model.Ended(); ++i) {
        const Step& step = sequence.Steps[i];
        std::string difference;
        switch (step.What) {
            case Step::Kind::Edit: {
                Text text = EditText(model, step.Edit, step.Variant);
                platform.text1 = text;
                model.Edit(std::move(text));
                continue;
            }
            case Step::Kind::Close:
                // Closing a window happens in the window layer; the drill never hears of it.
                if (step.Window != Form::Form1) continue;
                model.Close(step.Window);
                return outcome;
            case Step::Kind::Press: {
                Cover(outcome.Covered, model, step.Button);
                const std::vector<std::string> expected = model.Press(step.Button);
                platform.log.clear();
                drill->Press(step.Button);
                difference = LogDifference(expected, platform.log);
                break;
            }
        }
        if (difference.empty()) difference = StateDifference(model, platform, *drill);
        if (!difference.empty()) {
            outcome.Failure = Divergence{i, std::move(difference)};
            return outcome;
        }
        outcome.ReachedEnd = outcome.ReachedEnd || model.Now() == Model::State::Finished;
    }
    return outcome;
}

}  // namespace model
