// What the programs tell a screen reader, as the accessibility events their windows send: every
// phrase is recorded as it is shown, with the number of message boxes shown before it, and each
// press is checked for the one phrase it should make (or none). Qt drops every accessibility event while no
// assistive technology listens, and on the offscreen platform none ever does: the tests switch the
// platform's accessibility on through Qt's private headers and take the events in place of the
// platform's bridge. What Orca then says of them: scripts/check-speech.sh.

#include <QAccessible>
#include <QPlainTextEdit>
#include <QTest>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include "engine/controls.h"
#include "engine/drill_session.h"
#include "programs/luzema/luzema.h"
#include "programs/tavrel/tavrel.h"
#include "tests/model/programs_under_test.h"
#include "tests/support/window_testing.h"
#include "windows/announcer.h"
#include "windows/program_windows.h"
#include "windows/status_line.h"
#include "windows/text.h"

// Phrases in the failure messages as the text they are.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace drillwin::testing {
namespace {

using drill::Control;

struct Heard {
    QString phrase;
    int boxesBefore;  // message boxes shown before the phrase, of all the test showed
    QAccessibleInterface* notice;
};

std::vector<Heard> heard;
int boxesShown = 0;

void Record(QAccessibleEvent* event) {
    QAccessibleInterface* shown = event->accessibleInterface();
    if (event->type() != QAccessible::ObjectShow || !shown) return;
    if (shown->role() == QAccessible::AlertMessage) ++boxesShown;
    if (shown->role() == QAccessible::Notification) heard.push_back({shown->text(QAccessible::Name), boxesShown, shown});
}

// A screen reader listening for the life of the test.
class Listener {
public:
    Listener() {
        if (!platform_) ADD_FAILURE() << "the platform has no accessibility to switch on";
        if (platform_) platform_->setActive(true);
        previous_ = QAccessible::installUpdateHandler(&Record);
        heard.clear();
    }
    ~Listener() {
        QAccessible::installUpdateHandler(previous_);
        if (platform_) platform_->setActive(false);
    }

private:
    QPlatformAccessibility* platform_ = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QAccessible::UpdateHandler previous_ = nullptr;
};

using Phrases = std::vector<QString>;

// The phrases shown since the last call.
Phrases Said() {
    Phrases phrases;
    for (const Heard& one : heard) phrases.push_back(one.phrase);
    heard.clear();
    return phrases;
}

// A prompt as the reader is to say it: the gap as the word "пропуск", with a pause on either side
// that has a letter ("пр, пропуск, тих", "свеж, пропуск").
QString SaidPrompt(drill::TextView prompt) {
    QString said = ToQString(prompt).simplified();
    if (said.endsWith(QLatin1Char('_'))) return said.chopped(1) + QStringLiteral(", пропуск");
    return said.replace(QLatin1Char('_'), QStringLiteral(", пропуск, "));
}

// The window the press opened, read once it is active.
Phrases SaidOnceShown() {
    EXPECT_TRUE(QTest::qWaitFor([] { return !heard.empty(); }, 5000)) << "the window was never read";
    return Said();
}

// The choice drills of the registry, each with what it must say.
std::vector<const model::ProgramUnderTest*> ChoiceDrills() {
    std::vector<const model::ProgramUnderTest*> drills;
    for (const model::ProgramUnderTest& program : model::ProgramsUnderTest()) {
        if (program.Facts.Kind == model::Variant::Choice) drills.push_back(&program);
    }
    return drills;
}

class ChoiceSpeech : public ::testing::TestWithParam<const model::ProgramUnderTest*> {
protected:
    // The bank row whose prompt the main window shows.
    const model::ChoiceItem& ItemOnShow() const {
        const QString prompt = started.Text(drill::PromptLabel);
        for (const model::ChoiceItem& item : facts.Items) {
            if (ToQString(item.Prompt) == prompt) return item;
        }
        ADD_FAILURE() << "no item has the prompt " << prompt.toStdString();
        return facts.Items.front();
    }

    const model::ProgramFacts& facts = GetParam()->Facts;
    Listener listener;
    StartedProgram started{*GetParam()->Windows};
};

// Items answered right, wrong then right, right then wrong, and skipped, in turn; the rules asked
// for too early and after an answer; the end of the round.
TEST_P(ChoiceSpeech, AWholeRoundIsHeardPressByPressOnceEach) {
    const int n = facts.N;
    if (facts.HasResultWindow()) {
        started.Press(drill::ResultButton);
        EXPECT_EQ(SaidOnceShown(), Phrases{QString::fromStdString(facts.ResultSaid)});
    }
    started.Press(drill::StartButton);
    EXPECT_EQ(Said(), Phrases{SaidPrompt(ItemOnShow().Prompt) + ". Задано вопросов: 1."});
    EXPECT_TRUE(started.Press(drill::StartButton).empty());
    EXPECT_EQ(Said(), Phrases{}) << "a refused press says nothing";

    int errors = 0;
    for (int position = 1; position <= n; ++position) {
        SCOPED_TRACE(position);
        const model::ChoiceItem& row = ItemOnShow();
        const bool firstIsRight = row.CorrectOption == facts.FirstOption;
        const Control right = firstIsRight ? drill::FirstAnswerButton : drill::SecondAnswerButton;
        const Control wrong = firstIsRight ? drill::SecondAnswerButton : drill::FirstAnswerButton;
        const QString word = ToQString(row.FullText) + QLatin1Char('.');
        const bool skipped = position % 4 == 3;
        if (position == 2) {
            EXPECT_EQ(started.Press(drill::RulesButton).size(), 1u) << "the rules refused before an answer";
            EXPECT_EQ(Said(), Phrases{});
        }
        switch (position % 4) {
            case 0:
                started.Press(right);
                EXPECT_EQ(Said(), Phrases{word});
                break;
            case 1:
                started.Press(wrong);
                ++errors;
                EXPECT_EQ(Said(), Phrases{word + " Была ошибка. Сделано ошибок: " + QString::number(errors) + "."});
                started.Press(wrong);
                started.Press(right);
                EXPECT_EQ(Said(), Phrases{}) << "answers that change nothing say nothing";
                break;
            case 2:
                started.Press(right);
                started.Press(wrong);
                EXPECT_EQ(Said(), Phrases{word});
                break;
        }
        if (position == 1) {
            started.Press(drill::RulesButton);
            EXPECT_EQ(SaidOnceShown(), Phrases{QString::fromStdString(facts.RulesSaid)});
        }

        const int boxesBefore = boxesShown;
        const std::vector<SeenMessage> boxes = started.Press(drill::NextButton);
        if (skipped) ++errors;
        const QString errorCount = skipped ? " Сделано ошибок: " + QString::number(errors) + "." : QString();
        if (position < n) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(Said(), Phrases{SaidPrompt(ItemOnShow().Prompt) + ". Задано вопросов: " +
                                      QString::number(position + 1) + "." + errorCount});
            continue;
        }
        // The last press: what it changed is said before the box that ends the round.
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text.toStdU16String(), facts.EndMessage);
        EXPECT_EQ(boxesShown, boxesBefore + 1);
        for (const Heard& one : heard) EXPECT_EQ(one.boxesBefore, boxesBefore) << "said before the box";
        EXPECT_EQ(Said(), skipped ? Phrases{errorCount.trimmed()} : Phrases{});
    }
    if (facts.HasResultWindow()) {
        started.Press(drill::ResultButton);
        const Phrases result = SaidOnceShown();
        ASSERT_EQ(result.size(), 1u);
        EXPECT_TRUE(result[0].startsWith(QStringLiteral("Всего ошибок: %1 из %2. Из них: ").arg(errors).arg(n)))
            << result[0].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryChoiceDrill, ChoiceSpeech, ::testing::ValuesIn(ChoiceDrills()),
                         [](const auto& info) { return info.param->Facts.Name; });

class LuzemaSpeech : public ::testing::Test {
protected:
    QString Sentence() const { return ToQString(started.RowOnShow(luzema::Bank()).ShownText); }
    void Type(const QString& text) { TextBoxOf(started.windows)->setPlainText(text); }

    Listener listener;
    StartedProgram started{luzema::Program()};
};

TEST_F(LuzemaSpeech, EachSentenceTheVerdictsAndTheRuleAreHeardOnce) {
    started.Press(drill::StartButton);
    const QString first = Sentence();
    EXPECT_EQ(Said(), Phrases{first + " Предложений: 1."});

    started.Press(drill::CheckButton);
    EXPECT_EQ(Said(), Phrases{"Ошибка. Ваш ответ: " + first + " Сделано ошибок: 1."});
    started.Press(drill::CheckButton);
    EXPECT_EQ(Said(), Phrases{}) << "the box emptied by a second check says nothing";

    started.Press(drill::NextButton);
    const QString second = Sentence();
    EXPECT_EQ(Said(), Phrases{second + " Предложений: 2."});
    Type(ToQString(started.RowOnShow(luzema::Bank()).ExpectedText));
    started.Press(drill::CheckButton);
    EXPECT_EQ(Said(), Phrases{"Правильно."});
    started.Press(drill::RulesButton);
    EXPECT_EQ(SaidOnceShown(), Phrases{"Если причастный оборот стоит после определяемого слова, то он выделяется запятыми."});

    started.Press(drill::NextButton);
    const QString third = Sentence();
    EXPECT_EQ(Said(), Phrases{third + " Предложений: 3."});
    started.Press(drill::RestoreButton);
    EXPECT_EQ(Said(), Phrases{}) << "the sentence restored as it stood";
    Type(third + ",,");
    started.Press(drill::RestoreButton);
    EXPECT_EQ(Said(), Phrases{third});
    Type(third + ",");
    EXPECT_EQ(started.Press(drill::NextButton).size(), 1u) << "the warning to confirm the commas";
    EXPECT_EQ(started.Press(drill::RulesButton).size(), 1u) << "the warning to answer first";
    EXPECT_EQ(Said(), Phrases{});

    // A book pasted into the sentence and checked is said as a few lines, as the label shows it.
    QString book;
    while (book.size() < 1'000'000) book += QStringLiteral("Мальчик, читающий книгу, сидел у окна. ");
    Type(book);
    started.Press(drill::CheckButton);
    const Phrases verdict = Said();
    ASSERT_EQ(verdict.size(), 1u);
    EXPECT_TRUE(verdict[0].startsWith("Ошибка. Ваш ответ: Мальчик, читающий книгу, сидел у окна."));
    EXPECT_TRUE(verdict[0].endsWith("… Сделано ошибок: 2.")) << verdict[0].right(40).toStdString();
    EXPECT_LT(verdict[0].size(), 500);

    started.Press(drill::NextButton);
    EXPECT_EQ(Said(), Phrases{Sentence() + " Предложений: 4."});

    const int n = luzema::Bank().Size();
    for (int position = 4; position < n; ++position) {
        started.Press(drill::NextButton);
        EXPECT_EQ(Said(), Phrases{QStringLiteral("%1 Предложений: %2. Сделано ошибок: %3.").arg(Sentence()).arg(position + 1).arg(position - 1)});
    }
    const int boxesBefore = boxesShown;
    const std::vector<SeenMessage> boxes = started.Press(drill::NextButton);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Опрос окончен.");
    EXPECT_EQ(boxesShown, boxesBefore + 1);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].boxesBefore, boxesBefore) << "said before the box";
    EXPECT_EQ(Said(), Phrases{QStringLiteral("Сделано ошибок: %1.").arg(n - 1)});
}

// The phrase reaches the reader as a notification shown in the window's unseen status line: the
// window's last accessible child, a status bar that no widget makes and nothing draws.
TEST(StatusLine, NotificationsShowInAStatusBarThatIsTheWindowsLastChildAndDrawsNothing) {
    Listener listener;
    StartedProgram started(tavrel::Program());
    QWidget* main = started.Main();
    const int widgets = static_cast<int>(main->findChildren<QWidget*>().size());
    started.Press(drill::StartButton);
    ASSERT_EQ(heard.size(), 1u);

    QAccessibleInterface* window = Accessible(main);
    ASSERT_NE(window, nullptr);
    QAccessibleInterface* line = window->child(window->childCount() - 1);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->role(), QAccessible::StatusBar);
    EXPECT_EQ(window->indexOfChild(line), window->childCount() - 1);
    ASSERT_NE(line->parent(), nullptr);
    EXPECT_EQ(line->parent()->object(), main);
    QAccessibleInterface* notice = heard[0].notice;
    ASSERT_NE(notice->parent(), nullptr);
    EXPECT_EQ(notice->parent()->object(), line->object());
    const int index = line->indexOfChild(notice);
    ASSERT_GE(index, 0);
    EXPECT_EQ(line->child(index)->text(QAccessible::Name), heard[0].phrase);
    EXPECT_FALSE(notice->state().invisible);

    EXPECT_EQ(main->findChildren<QWidget*>().size(), widgets) << "no widget added";
    EXPECT_TRUE(line->rect().isEmpty());
    EXPECT_TRUE(notice->rect().isEmpty());
}

// Orca reads a notification's text only when it comes to the event: phrases said in quick
// succession must each keep their own notification until the reader has had them.
TEST(StatusLine, PhrasesSaidInQuickSuccessionKeepTheirOwnText) {
    Listener listener;
    StartedProgram started(tavrel::Program());
    const QStringList phrases = {"Один.", "Два.", "Три.", "Четыре."};
    for (const QString& phrase : phrases) Announce(started.Main(), phrase);
    Announce(started.Main(), QString());
    ASSERT_EQ(heard.size(), 4u) << "an empty phrase says nothing";
    for (std::size_t i = 0; i < heard.size(); ++i) {
        EXPECT_EQ(heard[i].notice->text(QAccessible::Name), phrases[static_cast<qsizetype>(i)]);
    }
}

}  // namespace
}  // namespace drillwin::testing
