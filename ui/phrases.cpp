#include "ui/phrases.h"

#include <algorithm>
#include <cstdlib>

namespace drillui {

namespace {

// A value label is read with the heading that stands just before it on its row.
constexpr int HeadingGap = 240;  // twips between a heading's right edge and its value label

bool IsHeadingOf(const ControlRow& heading, const ControlRow& value) {
    const bool sameRow = heading.top < value.top + value.height && value.top < heading.top + heading.height;
    return heading.kind == Kind::Label && !heading.caption.empty() && sameRow &&
           std::abs(heading.left + heading.width - value.left) <= HeadingGap;
}

// A value label with nothing in it is an empty box on the screen; said, it is a word.
constexpr std::u16string_view BlankValue = u"пусто";

// Every kind of blank a reader pauses at: the control characters from tab to carriage return, the
// next-line character, and the space, line and paragraph separators.
bool IsBlank(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == u'\u0085' || c == u'\u00A0' || c == u'\u1680' ||
           (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028' || c == u'\u2029' || c == u'\u202F' ||
           c == u'\u205F' || c == u'\u3000';
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

using ReadingRow = std::vector<const ControlRow*>;

bool MiddleWithin(const ControlRow& a, const ControlRow& b) {
    const int middle = a.top + a.height / 2;
    return middle >= b.top && middle < b.top + b.height;
}

// The window's labels and text box in reading order: rows top to bottom, each left to right. Two
// controls share a row when the middle of one lies within the other's height, so that a value
// beside a heading of two lines is read with it.
std::vector<ReadingRow> ReadingRows(const FormLayout& layout) {
    ReadingRow texts;
    for (const ControlRow& row : layout.controls) {
        if (row.kind != Kind::Button) texts.push_back(&row);
    }
    std::stable_sort(texts.begin(), texts.end(), [](const ControlRow* a, const ControlRow* b) { return a->top < b->top; });
    std::vector<ReadingRow> rows;
    for (const ControlRow* control : texts) {
        const bool sameRow = !rows.empty() && (MiddleWithin(*control, *rows.back().front()) ||
                                               MiddleWithin(*rows.back().front(), *control));
        if (sameRow) {
            rows.back().push_back(control);
        } else {
            rows.push_back({control});
        }
    }
    for (ReadingRow& row : rows) {
        std::stable_sort(row.begin(), row.end(), [](const ControlRow* a, const ControlRow* b) { return a->left < b->left; });
    }
    return rows;
}

// The longest text said of one control, in UTF-16 units. A pupil may paste a book into Luzema's
// sentence and check it: the label shows what fits, and the reader is given a few lines, not an
// hour of speech.
constexpr std::size_t MostSaid = 400;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::u16string Shortened(std::u16string text) {
    if (text.size() <= MostSaid) return text;
    // Cut at the last blank up to the limit; without one, between two characters.
    std::size_t cut = text.rfind(u' ', MostSaid);
    if (cut == std::u16string::npos || cut == 0) cut = IsHighSurrogate(text[MostSaid - 1]) ? MostSaid - 1 : MostSaid;
    text.resize(cut);
    return text + u"…";
}

// One phrase of sentences: the reader pauses after each, as the eye does at the end of a line.
Phrase Sentences(const std::vector<std::u16string>& pieces) {
    constexpr std::u16string_view Ends = u".!?…:;,";
    Phrase phrase;
    for (const std::u16string& piece : pieces) {
        std::u16string sentence = Shortened(Simplified(piece));
        if (sentence.empty()) continue;
        if (Ends.find(sentence.back()) == std::u16string_view::npos) sentence += u'.';
        if (!phrase.empty()) phrase += u' ';
        phrase += sentence;
    }
    return phrase;
}

std::u16string_view TextOf(const std::map<Control, std::u16string>& texts, Control control) {
    const auto found = texts.find(control);
    return found == texts.end() ? std::u16string_view() : std::u16string_view(found->second);
}

}  // namespace

std::u16string Simplified(std::u16string_view text) {
    std::u16string simple;
    bool blank = false;
    for (const char16_t c : Trimmed(text)) {
        if (IsBlank(c)) {
            blank = true;
            continue;
        }
        if (blank) simple += u' ';
        blank = false;
        simple += c;
    }
    return simple;
}

Headings FindHeadings(const FormLayout& layout) {
    Headings headings;
    for (const ControlRow& value : layout.controls) {
        if (value.kind != Kind::Label || !value.caption.empty()) continue;
        for (const ControlRow& heading : layout.controls) {
            if (!IsHeadingOf(heading, value)) continue;
            headings[value.name] = heading.caption;
            break;
        }
    }
    return headings;
}

Phrase ChangePhrase(const FormLayout& layout, const Headings& headings, const Texts& before, const Texts& now,
                    std::optional<Control> itemLabel) {
    std::vector<std::u16string> texts;
    std::vector<std::u16string> counters;
    for (const ReadingRow& row : ReadingRows(layout)) {
        for (const ControlRow* control : row) {
            const std::u16string_view text = TextOf(now, control->name);
            if (text == TextOf(before, control->name) || Trimmed(text).empty()) continue;
            if (const std::u16string_view heading = TextOf(headings, control->name); !heading.empty()) {
                counters.push_back(ValueName(heading, text));
            } else {
                texts.push_back(control->name == itemLabel ? SaidWithGap(text) : std::u16string(text));
            }
        }
    }
    texts.insert(texts.end(), counters.begin(), counters.end());
    return Sentences(texts);
}

Phrase WindowPhrase(const FormLayout& layout, const Headings& headings, const Texts& now,
                    const std::vector<std::u16string>& printed) {
    std::vector<std::u16string> lines;
    for (const ReadingRow& row : ReadingRows(layout)) {
        std::u16string line;
        for (const ControlRow* control : row) {
            std::u16string text = Simplified(TextOf(now, control->name));
            if (text.empty() && !TextOf(headings, control->name).empty()) text = BlankValue;
            if (text.empty()) continue;
            if (!line.empty()) line += u' ';
            line += text;
        }
        if (!line.empty()) lines.push_back(std::move(line));
    }
    lines.insert(lines.end(), printed.begin(), printed.end());
    return Sentences(lines);
}

Phrase SaidWithGap(std::u16string_view prompt) {
    std::u16string joined;
    for (const char16_t c : prompt) {
        if (c == u'_') {
            joined += u", пропуск, ";
        } else {
            joined += c;
        }
    }
    std::u16string said = Simplified(joined);
    while (!said.empty() && said.front() == u',') said = std::u16string(Trimmed(std::u16string_view(said).substr(1)));
    while (!said.empty() && said.back() == u',') said.pop_back();
    return said;
}

std::u16string ValueName(std::u16string_view heading, std::u16string_view text) {
    std::u16string name(heading);
    if (!text.empty()) {
        name += u' ';
        name += text;
    }
    return name;
}

}  // namespace drillui
