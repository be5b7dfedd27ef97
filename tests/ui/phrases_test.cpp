// The phrases a screen reader is given, from texts and a layout alone.

#include <gtest/gtest.h>

#include "tests/support/recording_platform.h"
#include "ui/phrases.h"

namespace drillui {
namespace {

using namespace rows;
using drill::testing::Utf8;

// A heading of two lines whose value box stands by its second line, a heading with its value box
// below it, and the prompt at the bottom: three rows, listed out of order.
constexpr ControlRow Controls[] = {
    {Label3, Label, u"Сделано  ошибок:", 1000, 1600, 1600, 240, {}, {}, {}, false, Left, false, 0},
    {Label5, Label, u"", 2700, 1600, 600, 300, {}, {}, {}, true, Centre, false, 0},
    {Label1, Label, u"", 1000, 2200, 5000, 700, {}, {}, {}, true, Centre, false, 0},
    {Label2, Label, u"Задано\nвопросов:", 1000, 1000, 1300, 480, {}, {}, {}, false, Left, false, 0},
    {Label7, Label, u"", 2400, 1200, 600, 300, {}, {}, {}, true, Centre, false, 0},
    {Command5, Button, u"Ещё слово", 4000, 3000, 1500, 500, {}, {}, {}, false, Centre, false, 1},
};
constexpr FormLayout Window{drill::Form::Form1, u"Tavrel", 10000, 5000, 0, 0, {}, {}, {}, {}, {}, true, Controls};

const Texts Blank = {{Label1, u""}, {Label2, u"Задано\nвопросов:"}, {Label3, u"Сделано  ошибок:"}, {Label5, u""}, {Label7, u""}};

TEST(Phrases, ValueLabelsAreReadWithTheHeadingBeforeThem) {
    const Headings headings = FindHeadings(Window);
    EXPECT_EQ(headings, (Headings{{Label5, u"Сделано  ошибок:"}, {Label7, u"Задано\nвопросов:"}}));
}

TEST(Phrases, APressIsHeardAsTheTextsThatChangedThenTheCounters) {
    Texts after = Blank;
    after[Label1] = u" пр_тих";
    after[Label5] = u"1";
    after[Label7] = u"2";
    EXPECT_EQ(Utf8(ChangePhrase(Window, FindHeadings(Window), Blank, after, Label1)),
              "пр, пропуск, тих. Задано вопросов: 2. Сделано ошибок: 1.");
    // Where the label holds no item, its "_" is a character like any other.
    EXPECT_EQ(Utf8(ChangePhrase(Window, FindHeadings(Window), Blank, after, std::nullopt)),
              "пр_тих. Задано вопросов: 2. Сделано ошибок: 1.");
    // A text gone blank, or one that did not change, says nothing.
    EXPECT_EQ(Utf8(ChangePhrase(Window, FindHeadings(Window), after, Blank, Label1)), "");
    EXPECT_EQ(Utf8(ChangePhrase(Window, FindHeadings(Window), after, after, Label1)), "");
}

TEST(Phrases, AWindowIsReadRowByRowWithItsBlankValuesAsAWord) {
    Texts now = Blank;
    now[Label5] = u"3";
    EXPECT_EQ(Utf8(WindowPhrase(Window, FindHeadings(Window), now, {u"Правило"})),
              "Задано вопросов: пусто. Сделано ошибок: 3. Правило.");
}

TEST(Phrases, AGapIsSaidAsAWordWhereverItStands) {
    EXPECT_EQ(Utf8(SaidWithGap(u" пр_тих")), "пр, пропуск, тих");
    EXPECT_EQ(Utf8(SaidWithGap(u"свеж_")), "свеж, пропуск");
    EXPECT_EQ(Utf8(SaidWithGap(u"_лка")), "пропуск, лка");
}

// Every blank a reader pauses at counts as one: tabs, line breaks, no-break and wide spaces, the
// line and paragraph separators; a zero-width space is no blank.
TEST(Phrases, BlanksOfEveryKindAreSaidAsOne) {
    Texts now = Blank;
    now[Label1] = u"\u00A0а\t\r\nб\u2028\u2029в\u3000\u202Fг\u200Bд\u0085";
    EXPECT_EQ(Utf8(ChangePhrase(Window, FindHeadings(Window), Blank, now, std::nullopt)), "а б в г\u200Bд.");
}

TEST(Phrases, APastedBookIsSaidAsAFewLinesCutBetweenCharacters) {
    Texts now = Blank;
    // No blank to cut at, and a character outside the basic plane across the cut.
    now[Label1] = std::u16string(399, u'ж') + u"😀" + std::u16string(500, u'ж');
    EXPECT_EQ(Utf8(ChangePhrase(Window, FindHeadings(Window), Blank, now, Label1)), Utf8(std::u16string(399, u'ж') + u"…"));
    // With blanks, at the last one within the limit.
    now[Label1] = std::u16string(300, u'ж') + u" " + std::u16string(50, u'ж') + u" " + std::u16string(100, u'ж');
    EXPECT_EQ(Utf8(ChangePhrase(Window, FindHeadings(Window), Blank, now, Label1)),
              Utf8(std::u16string(300, u'ж') + u" " + std::u16string(50, u'ж') + u"…"));
}

}  // namespace
}  // namespace drillui
