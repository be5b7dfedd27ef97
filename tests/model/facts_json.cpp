// Writes what the programs must do, as the C++ tests state it (each program's tests/facts.cpp and
// tests/support/expected_texts.h), as JSON for the checks written in other languages: the screen
// reader check (tests/speech/) and the browser checks.
//   facts_json FILE

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/model/programs_under_test.h"
#include "tests/support/expected_texts.h"
#include "tests/support/recording_platform.h"

namespace {

using drill::testing::Utf8;

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': quoted += "\\\""; break;
            case '\\': quoted += "\\\\"; break;
            case '\n': quoted += "\\n"; break;
            case '\t': quoted += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", c);
                    quoted += escape;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

std::string Quoted(const drill::Text& text) { return Quoted(Utf8(text)); }

std::string QuotedName(drill::Control control) { return Quoted(std::string(drill::ControlName(control))); }

// A JSON array of the items, each written by write.
template <class Items, class Write>
std::string Array(const Items& items, Write write) {
    std::string array = "[";
    for (const auto& item : items) {
        if (array.size() > 1) array += ", ";
        array += write(item);
    }
    return array + "]";
}

std::string Strings(const std::string& text) { return Quoted(text); }

std::string ProgramJson(const model::ProgramUnderTest& program) {
    const model::ProgramFacts& facts = program.Facts;
    std::ostringstream out;
    out << "{\"name\": " << Quoted(facts.Name)
        << ", \"kind\": " << Quoted(std::string(facts.Kind == model::Variant::Comma ? "comma" : "choice"))
        << ", \"n\": " << facts.N << ", \"first_option\": " << Quoted(facts.FirstOption)
        << ", \"second_option\": " << Quoted(facts.SecondOption) << ", \"title\": " << Quoted(facts.Title)
        << ", \"end_message\": " << Quoted(facts.EndMessage) << ", \"warning_style\": " << facts.WarningStyle
        << ", \"end_style\": " << facts.EndStyle
        << ", \"count_before_full_text\": " << (facts.CountBeforeFullText ? "true" : "false")
        << ", \"buttons\": " << Array(facts.Buttons, Strings)
        << ", \"categories\": " << Array(facts.Categories, [](const model::Category& category) {
               return "{\"first\": " + std::to_string(category.First) + ", \"last\": " + std::to_string(category.Last) +
                      ", \"errors_label\": " + QuotedName(category.ErrorsLabel) +
                      ", \"shown_label\": " + QuotedName(category.ShownLabel) + "}";
           })
        << ", \"rule_lines\": " << Array(facts.RuleLines, [](const model::PrintedRule& rule) {
               return "{\"x\": " + std::to_string(rule.X) + ", \"y\": " + std::to_string(rule.Y) +
                      ", \"text\": " + Quoted(rule.Line) + "}";
           })
        << ", \"items\": " << Array(facts.Items, [](const model::ChoiceItem& item) {
               return "{\"number\": " + std::to_string(item.Number) + ", \"prompt\": " + Quoted(item.Prompt) +
                      ", \"correct\": " + Quoted(item.CorrectOption) + ", \"full\": " + Quoted(item.FullText) + "}";
           })
        << ", \"sentences\": " << Array(facts.Sentences, [](const model::Sentence& sentence) {
               return "{\"number\": " + std::to_string(sentence.Number) + ", \"shown\": " + Quoted(sentence.ShownText) +
                      ", \"expected\": " + Quoted(sentence.ExpectedText) + "}";
           })
        << ", \"rules_said\": " << Quoted(facts.RulesSaid) << ", \"result_said\": " << Quoted(facts.ResultSaid)
        << ", \"first_letters\": " << Quoted(facts.FirstLetters) << ", \"second_letters\": " << Quoted(facts.SecondLetters)
        << ", \"first_keys_named\": " << Quoted(facts.FirstKeysNamed)
        << ", \"second_keys_named\": " << Quoted(facts.SecondKeysNamed)
        << ", \"answer_box_said\": " << Quoted(facts.AnswerBoxSaid)
        << ", \"window_titles\": " << Array(facts.WindowTitles, Strings)
        << ", \"focus_order\": " << Array(facts.FocusOrder, Strings)
        << ", \"position_heading\": " << Quoted(facts.PositionHeading) << "}";
    return out.str();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: facts_json FILE\n");
        return 2;
    }
    std::ofstream file(argv[1]);
    file << "{\"texts\": {\"rules_warning\": " << Quoted(expected::RulesWarning)
         << ", \"error_mark\": " << Quoted(expected::ErrorMark) << ", \"right_verdict\": " << Quoted(expected::RightVerdict)
         << ", \"wrong_verdict\": " << Quoted(expected::WrongVerdict)
         << ", \"restore_warning\": " << Quoted(expected::RestoreWarning)
         << ", \"confirm_warning\": " << Quoted(expected::ConfirmWarning)
         << ", \"end_message\": " << Quoted(expected::EndMessage)
         << ", \"end_message_to_result\": " << Quoted(expected::EndMessageToResult)
         << ", \"error_count_heading\": " << Quoted(expected::ErrorCountHeading)
         << ", \"error_count_said\": " << Quoted(expected::ErrorCountSaid)
         << ", \"rules_key_named\": " << Quoted(expected::RulesKeyNamed)
         << ", \"next_key_named\": " << Quoted(expected::NextKeyNamed)
         << ", \"submit_keys_named\": " << Quoted(expected::SubmitKeysNamed)
         << ", \"secondary_window_keys_named\": " << Quoted(expected::SecondaryWindowKeysNamed) << "},\n \"programs\": "
         << Array(model::ProgramsUnderTest(), ProgramJson) << "}\n";
    file.close();
    if (!file) {
        std::fprintf(stderr, "facts_json: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
