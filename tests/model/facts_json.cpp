// Prints, as JSON, what every program of the registry must do, for the checks written in other
// languages (the browser checks, tests/web/check_pages.py; the screen reader check,
// tests/speech/check_speech.py): the facts each program states in its own tests/facts.cpp, the texts
// every program shows alike (tests/support/expected_texts.h), and each window's table in its own
// units (twips). Nothing here is computed from the code under test.

#include <cstdio>
#include <string>
#include <string_view>

#include "tests/model/program_facts.h"
#include "tests/model/programs_under_test.h"
#include "tests/support/expected_texts.h"
#include "tests/support/latin_places.h"
#include "ui/program.h"

namespace {

using model::Text;

// JSON strings: ASCII as it stands, every other UTF-16 code unit escaped, lone surrogates too.
std::string Quoted(std::u16string_view text) {
    std::string out = "\"";
    for (const char16_t unit : text) {
        if (unit == u'"' || unit == u'\\') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            out += static_cast<char>(unit);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit));
            out += escaped;
        }
    }
    return out + "\"";
}

std::string Quoted(std::string_view utf8) {
    std::u16string units;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? byte : byte & (0x7F >> length);
        for (int k = 1; k < length && i + k < utf8.size(); ++k) code = (code << 6) | (utf8[i + k] & 0x3F);
        if (code >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
        i += static_cast<std::size_t>(length);
    }
    return Quoted(std::u16string_view(units));
}

std::string Name(drill::Control control) { return Quoted(std::string_view(drill::ControlName(control))); }

class Json {
public:
    void Field(const char* name, const std::string& value) {
        text_ += (first_ ? "" : ",") + std::string("\"") + name + "\":" + value;
        first_ = false;
    }
    std::string Object() const { return "{" + text_ + "}"; }

private:
    std::string text_;
    bool first_ = true;
};

template <class Each>
std::string Array(const auto& values, Each each) {
    std::string out = "[";
    for (const auto& value : values) out += (out.size() > 1 ? "," : "") + each(value);
    return out + "]";
}

std::string Form(const drillui::FormLayout& layout) {
    Json form;
    form.Field("form", Quoted(std::string_view("Form" + std::to_string(static_cast<int>(layout.form) + 1))));
    form.Field("caption", Quoted(layout.caption));
    form.Field("width", std::to_string(layout.width));
    form.Field("height", std::to_string(layout.height));
    form.Field("controls", Array(layout.controls, [](const drillui::ControlRow& row) {
        Json control;
        control.Field("name", Name(row.name));
        control.Field("kind", Quoted(std::string_view(row.kind == drillui::Kind::Button ? "button"
                                                      : row.kind == drillui::Kind::Label ? "label" : "textbox")));
        control.Field("caption", Quoted(row.caption));
        control.Field("left", std::to_string(row.left));
        control.Field("top", std::to_string(row.top));
        control.Field("width", std::to_string(row.width));
        control.Field("height", std::to_string(row.height));
        control.Field("tabIndex", std::to_string(row.tabIndex));
        return control.Object();
    }));
    return form.Object();
}

std::string Program(const model::ProgramUnderTest& program) {
    const model::ProgramFacts& facts = program.Facts;
    Json out;
    out.Field("name", Quoted(std::string_view(facts.Name)));
    out.Field("kind", Quoted(std::string_view(facts.Kind == model::Variant::Choice ? "choice" : "comma")));
    out.Field("n", std::to_string(facts.N));
    out.Field("firstOption", Quoted(facts.FirstOption));
    out.Field("secondOption", Quoted(facts.SecondOption));
    out.Field("title", Quoted(facts.Title));
    out.Field("endMessage", Quoted(facts.EndMessage));
    out.Field("warningStyle", std::to_string(facts.WarningStyle));
    out.Field("endStyle", std::to_string(facts.EndStyle));
    out.Field("categories", Array(facts.Categories, [](const model::Category& category) {
        Json one;
        one.Field("first", std::to_string(category.First));
        one.Field("last", std::to_string(category.Last));
        one.Field("errors", Name(category.ErrorsLabel));
        one.Field("shown", Name(category.ShownLabel));
        return one.Object();
    }));
    out.Field("ruleLines", Array(facts.RuleLines, [](const model::PrintedRule& rule) {
        Json one;
        one.Field("x", std::to_string(rule.X));
        one.Field("y", std::to_string(rule.Y));
        one.Field("line", Quoted(rule.Line));
        return one.Object();
    }));
    out.Field("items", Array(facts.Items, [](const model::ChoiceItem& item) {
        Json one;
        one.Field("number", std::to_string(item.Number));
        one.Field("prompt", Quoted(item.Prompt));
        one.Field("correct", Quoted(item.CorrectOption));
        one.Field("full", Quoted(item.FullText));
        return one.Object();
    }));
    out.Field("sentences", Array(facts.Sentences, [](const model::Sentence& sentence) {
        Json one;
        one.Field("number", std::to_string(sentence.Number));
        one.Field("shown", Quoted(sentence.ShownText));
        one.Field("expected", Quoted(sentence.ExpectedText));
        return one.Object();
    }));
    const auto strings = [](const std::string& text) { return Quoted(std::string_view(text)); };
    out.Field("buttons", Array(facts.Buttons, strings));
    out.Field("rulesSaid", Quoted(std::string_view(facts.RulesSaid)));
    out.Field("resultSaid", Quoted(std::string_view(facts.ResultSaid)));
    out.Field("firstLetters", Quoted(facts.FirstLetters));
    out.Field("secondLetters", Quoted(facts.SecondLetters));
    out.Field("firstKeysNamed", Quoted(std::string_view(facts.FirstKeysNamed)));
    out.Field("secondKeysNamed", Quoted(std::string_view(facts.SecondKeysNamed)));
    out.Field("windowTitles", Array(facts.WindowTitles, strings));
    out.Field("focusOrder", Array(facts.FocusOrder, strings));
    out.Field("positionHeading", Quoted(std::string_view(facts.PositionHeading)));
    out.Field("forms", program.Windows ? Array(program.Windows->forms, Form) : "[]");
    return out.Object();
}

}  // namespace

int main() {
    Json all;
    Json texts;
    texts.Field("rulesWarning", Quoted(std::string_view(expected::RulesWarning)));
    texts.Field("errorMark", Quoted(std::string_view(expected::ErrorMark)));
    texts.Field("rightVerdict", Quoted(std::string_view(expected::RightVerdict)));
    texts.Field("wrongVerdict", Quoted(std::string_view(expected::WrongVerdict)));
    texts.Field("restoreWarning", Quoted(std::string_view(expected::RestoreWarning)));
    texts.Field("confirmWarning", Quoted(std::string_view(expected::ConfirmWarning)));
    texts.Field("endMessage", Quoted(std::string_view(expected::EndMessage)));
    texts.Field("endMessageToResult", Quoted(std::string_view(expected::EndMessageToResult)));
    texts.Field("errorCountHeading", Quoted(std::string_view(expected::ErrorCountHeading)));
    texts.Field("errorCountSaid", Quoted(std::string_view(expected::ErrorCountSaid)));
    texts.Field("rulesKeyNamed", Quoted(std::string_view(expected::RulesKeyNamed)));
    texts.Field("nextKeyNamed", Quoted(std::string_view(expected::NextKeyNamed)));
    texts.Field("windowKeysNamed", Quoted(std::string_view(expected::WindowKeysNamed)));
    texts.Field("answerBoxNamed", Quoted(std::string_view(expected::AnswerBoxNamed)));
    texts.Field("answerBoxKeysNamed", Quoted(std::string_view(expected::AnswerBoxKeysNamed)));
    texts.Field("submitKeysNamed", Quoted(std::string_view(expected::SubmitKeysNamed)));
    all.Field("texts", texts.Object());
    all.Field("latinPlaces", Array(expected::LatinPlaces, [](const expected::LatinPlace& place) {
        Json one;
        one.Field("cyrillic", Quoted(std::u16string_view(&place.cyrillic, 1)));
        one.Field("latin", Quoted(std::u16string_view(&place.latin, 1)));
        one.Field("latinShifted", Quoted(std::u16string_view(&place.latinShifted, 1)));
        return one.Object();
    }));
    std::string programs = "[";
    for (const model::ProgramUnderTest& program : model::ProgramsUnderTest()) {
        if (!program.Windows) continue;
        programs += (programs.size() > 1 ? ",\n" : "\n") + Program(program);
    }
    all.Field("programs", programs + "\n]");
    std::puts(all.Object().c_str());
}
