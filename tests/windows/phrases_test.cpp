// The phrases a screen reader is given, from texts and a layout alone.

#include <gtest/gtest.h>

#include "engine/controls.h"
#include "windows/phrases.h"

namespace drillwin {
namespace {

using namespace rows;

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

const Texts Blank = {{Label1, ""}, {Label2, "Задано\nвопросов:"}, {Label3, "Сделано  ошибок:"}, {Label5, ""}, {Label7, ""}};

TEST(Phrases, ValueLabelsAreReadWithTheHeadingBeforeThem) {
    const Headings headings = FindHeadings(Window);
    EXPECT_EQ(headings, (Headings{{Label5, "Сделано  ошибок:"}, {Label7, "Задано\nвопросов:"}}));
}

TEST(Phrases, APressIsHeardAsTheTextsThatChangedThenTheCounters) {
    Texts after = Blank;
    after[Label1] = " пр_тих";
    after[Label5] = "1";
    after[Label7] = "2";
    EXPECT_EQ(ChangePhrase(Window, FindHeadings(Window), Blank, after).toStdString(),
              "пр, пропуск, тих. Задано вопросов: 2. Сделано ошибок: 1.");
    // A text gone blank, or one that did not change, says nothing.
    EXPECT_EQ(ChangePhrase(Window, FindHeadings(Window), after, Blank).toStdString(), "");
    EXPECT_EQ(ChangePhrase(Window, FindHeadings(Window), after, after).toStdString(), "");
}

TEST(Phrases, AWindowIsReadRowByRowWithItsBlankValuesAsAWord) {
    Texts now = Blank;
    now[Label5] = "3";
    EXPECT_EQ(WindowPhrase(Window, FindHeadings(Window), now, {"Правило"}).toStdString(),
              "Задано вопросов: пусто. Сделано ошибок: 3. Правило.");
}

TEST(Phrases, AGapIsSaidAsAWordWhereverItStands) {
    EXPECT_EQ(SaidWithGap(" пр_тих").toStdString(), "пр, пропуск, тих");
    EXPECT_EQ(SaidWithGap("свеж_").toStdString(), "свеж, пропуск");
    EXPECT_EQ(SaidWithGap("_лка").toStdString(), "пропуск, лка");
}

TEST(Phrases, APastedBookIsSaidAsAFewLinesCutBetweenCharacters) {
    Texts now = Blank;
    // No blank to cut at, and a character outside the basic plane across the cut.
    now[Label1] = QString(399, QChar(u'ж')) + QStringLiteral("😀") + QString(500, QChar(u'ж'));
    const QString said = ChangePhrase(Window, FindHeadings(Window), Blank, now);
    EXPECT_EQ(said.toStdString(), (QString(399, QChar(u'ж')) + QStringLiteral("…")).toStdString());
}

}  // namespace
}  // namespace drillwin
