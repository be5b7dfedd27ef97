#include "windows/phrases.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/controls.h"
#include "windows/text.h"

namespace drillwin {

namespace {

// A value label is read with the heading that stands just before it on its row.
constexpr int HeadingGap = 240;  // twips between a heading's right edge and its value label

bool IsHeadingOf(const ControlRow& heading, const ControlRow& value) {
    const bool sameRow = heading.top < value.top + value.height && value.top < heading.top + heading.height;
    return heading.kind == Kind::Label && !heading.caption.empty() && sameRow &&
           std::abs(heading.left + heading.width - value.left) <= HeadingGap;
}

// A value label with nothing in it is an empty box on the screen; said, it is a word.
const QString BlankValue = QStringLiteral("пусто");

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

// The longest text said of one control. A pupil may paste a book into Luzema's sentence and check
// it: the label shows what fits, and the reader is given a few lines, not an hour of speech.
constexpr qsizetype MostSaid = 400;

QString Shortened(const QString& text) {
    if (text.size() <= MostSaid) return text;
    qsizetype cut = text.lastIndexOf(QLatin1Char(' '), MostSaid);
    if (cut <= 0) cut = text.at(MostSaid - 1).isHighSurrogate() ? MostSaid - 1 : MostSaid;
    return text.left(cut) + QStringLiteral("…");
}

// One phrase of sentences: the reader pauses after each, as the eye does at the end of a line.
QString Sentences(const QStringList& pieces) {
    QStringList sentences;
    for (const QString& piece : pieces) {
        QString sentence = Shortened(piece.simplified());
        if (sentence.isEmpty()) continue;
        if (!QStringLiteral(".!?…:;,").contains(sentence.back())) sentence += QLatin1Char('.');
        sentences << sentence;
    }
    return sentences.join(QLatin1Char(' '));
}

QString TextOf(const Texts& texts, Control control) {
    const auto found = texts.find(control);
    return found == texts.end() ? QString() : found->second;
}

QString HeadingOf(const Headings& headings, Control control) { return TextOf(headings, control); }

}  // namespace

Headings FindHeadings(const FormLayout& layout) {
    Headings headings;
    for (const ControlRow& value : layout.controls) {
        if (value.kind != Kind::Label || !value.caption.empty()) continue;
        for (const ControlRow& heading : layout.controls) {
            if (!IsHeadingOf(heading, value)) continue;
            headings[value.name] = ToQString(heading.caption);
            break;
        }
    }
    return headings;
}

QString ChangePhrase(const FormLayout& layout, const Headings& headings, const Texts& before, const Texts& now) {
    QStringList texts;
    QStringList counters;
    for (const ReadingRow& row : ReadingRows(layout)) {
        for (const ControlRow* control : row) {
            const QString text = TextOf(now, control->name);
            if (text == TextOf(before, control->name) || text.trimmed().isEmpty()) continue;
            if (const QString heading = HeadingOf(headings, control->name); !heading.isEmpty()) {
                counters << heading + QLatin1Char(' ') + text;
            } else {
                texts << (control->name == drill::PromptLabel ? SaidWithGap(text) : text);
            }
        }
    }
    return Sentences(texts + counters);
}

QString WindowPhrase(const FormLayout& layout, const Headings& headings, const Texts& now, const QStringList& printed) {
    QStringList lines;
    for (const ReadingRow& row : ReadingRows(layout)) {
        QStringList line;
        for (const ControlRow* control : row) {
            QString text = TextOf(now, control->name).simplified();
            if (text.isEmpty() && !HeadingOf(headings, control->name).isEmpty()) text = BlankValue;
            if (!text.isEmpty()) line << text;
        }
        if (!line.isEmpty()) lines << line.join(QLatin1Char(' '));
    }
    return Sentences(lines + printed);
}

QString SaidWithGap(const QString& prompt) {
    QString said = prompt.split(QLatin1Char('_')).join(QStringLiteral(", пропуск, ")).simplified();
    while (said.startsWith(QLatin1Char(','))) said = said.mid(1).trimmed();
    while (said.endsWith(QLatin1Char(','))) said.chop(1);
    return said;
}

}  // namespace drillwin
