#include "tests/support/expected_texts.h"
#include "tests/support/tallied_windows_suite.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include <string>
#include <vector>

#include "engine/controls.h"
#include "tests/support/window_testing.h"
#include "windows/form_window.h"
#include "windows/program_windows.h"
#include "windows/text.h"

namespace drillwin::testing {

void PrintTo(const TalliedWindows& windows, std::ostream* out) { *out << windows.name; }

namespace {

using drill::Control;
using drill::Form;
using drill::ResultCategoryLabels;
using drill::ResultWindow;

QString Counter(int value) { return value == 0 ? QString() : QString::number(value); }

class Fixture : public StartedProgram {
public:
    explicit Fixture(const TalliedWindows& param) : StartedProgram(*param.program), param_(param) {}

    const drill::DrillProfile& Profile() const { return *param_.profile; }
    int N() const { return Profile().Bank.Size(); }
    std::size_t K() const { return Profile().Categories.size(); }
    const drill::DrillItem& RowOnShow() const { return StartedProgram::RowOnShow(Profile().Bank); }

    // The value labels of the result window, in the order "Результат" writes them.
    std::vector<QString> ResultValues() const {
        std::vector<QString> values = {Text(drill::ResultTotalLabel, ResultWindow)};
        for (std::size_t k = 0; k < K(); ++k) values.push_back(Text(ResultCategoryLabels[k].Errors, ResultWindow));
        values.push_back(Text(drill::ResultNoAnswerLabel, ResultWindow));
        values.push_back(Text(drill::ResultAskedLabel, ResultWindow));
        for (std::size_t k = 0; k < K(); ++k) values.push_back(Text(ResultCategoryLabels[k].Shown, ResultWindow));
        return values;
    }

    std::vector<QString> Expected(int total, const std::vector<int>& errors, int noAnswer, const QString& asked,
                                  const std::vector<int>& shown) const {
        std::vector<QString> values = {QString::number(total)};
        for (const int value : errors) values.push_back(Counter(value));
        values.push_back(Counter(noAnswer));
        values.push_back(asked);
        for (const int value : shown) values.push_back(Counter(value));
        return values;
    }

    std::size_t CategoryIndex(int number) const {
        for (std::size_t k = 0; k < K(); ++k) {
            if (number <= Profile().Categories[k].LastNumber) return k;
        }
        ADD_FAILURE() << "item " << number << " has no category";
        return 0;
    }

private:
    const TalliedWindows& param_;
};

QString Title(const drill::DrillProfile& profile) { return ToQString(profile.MessageTitle); }

TEST_P(TalliedWindowsTest, ResultButtonOpensTheResultWindow) {
    Fixture fixture(GetParam());
    const auto forms = GetParam().program->forms;
    ASSERT_EQ(forms.size(), 3u);
    const FormWindow built(forms[2]);
    fixture.Press(Control::Command6);
    const QWidget* result = fixture.windows.Window(Form::Form3);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->windowTitle(), "Результат");
    EXPECT_EQ(result->size(), built.size());
}

TEST_P(TalliedWindowsTest, EveryCaptionFitsItsLabel) {
    Fixture fixture(GetParam());
    fixture.Press(Control::Command1);
    fixture.Press(Control::Command6);
    for (const Form form : {Form::Form1, Form::Form2, Form::Form3}) {
        for (QLabel* label : fixture.windows.Window(form)->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            SCOPED_TRACE(label->objectName().toStdString() + ": " + label->text().toStdString());
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                // Qt rounds the fractional line heights of a wrapped text up to a whole pixel: one
                // pixel of the last line's descent may be cut off without hiding anything.
                EXPECT_LE(label->heightForWidth(label->width()), label->height() + 1);
            } else {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), room.width());
                EXPECT_LE(label->fontMetrics().height(), room.height());
            }
        }
    }
}

TEST_P(TalliedWindowsTest, EveryItemFitsTheItemLabel) {
    Fixture fixture(GetParam());
    const QLabel* item = LabelOf(fixture.windows, Form::Form1, Control::Label1);
    ASSERT_NE(item, nullptr);
    for (const drill::DrillItem& row : fixture.Profile().Bank.Rows()) {
        for (const drill::TextView text : {row.Prompt, row.FullText}) {
            const QString shown = ToQString(text);
            EXPECT_LE(item->fontMetrics().horizontalAdvance(shown), item->contentsRect().width()) << shown.toStdString();
        }
    }
}

TEST_P(TalliedWindowsTest, FocusStartsOnTheRulesButtonAndFollowsTheTabIndexes) {
    Fixture fixture(GetParam());
    EXPECT_EQ(FocusWalk(fixture.windows.Window(Form::Form1)),
              (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                                        "Command7"}));
}

TEST_P(TalliedWindowsTest, ResultBeforeTheStartShowsOnlyTheZeroTotal) {
    Fixture fixture(GetParam());
    const std::vector<int> none(fixture.K(), 0);
    EXPECT_EQ(fixture.windows.Window(Form::Form3), nullptr) << "created on first use";
    EXPECT_TRUE(fixture.Press(Control::Command6).empty());
    ASSERT_NE(fixture.windows.Window(Form::Form3), nullptr);
    EXPECT_TRUE(fixture.windows.Window(Form::Form3)->isVisible());
    EXPECT_EQ(fixture.ResultValues(), fixture.Expected(0, none, 0, "", none));
}

TEST_P(TalliedWindowsTest, ResultIsOneSnapshotRewrittenAtEveryPressAndReopened) {
    Fixture fixture(GetParam());
    const std::size_t k = fixture.K();
    fixture.Press(Control::Command2);
    const std::size_t category = fixture.CategoryIndex(fixture.RowOnShow().Number);
    std::vector<int> shown(k, 0);
    shown[category] = 1;
    fixture.Press(Control::Command6);
    QWidget* result = fixture.windows.Window(Form::Form3);
    const std::vector<QString> atStart = fixture.Expected(0, std::vector<int>(k, 0), 0, "1", shown);
    EXPECT_EQ(fixture.ResultValues(), atStart);

    // A wrong answer does not reach the open window until "Результат" is pressed again.
    const bool firstIsRight = fixture.RowOnShow().CorrectOption == fixture.Profile().FirstOption;
    fixture.Press(firstIsRight ? Control::Command4 : Control::Command3);
    EXPECT_EQ(fixture.ResultValues(), atStart);
    fixture.Press(Control::Command6);
    EXPECT_EQ(fixture.windows.Window(Form::Form3), result) << "one result window, reused";
    std::vector<int> errors(k, 0);
    errors[category] = 1;
    const std::vector<QString> afterError = fixture.Expected(1, errors, 0, "1", shown);
    EXPECT_EQ(fixture.ResultValues(), afterError);

    result->close();
    QApplication::processEvents();
    EXPECT_EQ(fixture.windows.Window(Form::Form3), nullptr);
    fixture.Press(Control::Command6);
    ASSERT_NE(fixture.windows.Window(Form::Form3), nullptr);
    EXPECT_TRUE(fixture.windows.Window(Form::Form3)->isVisible());
    EXPECT_EQ(fixture.ResultValues(), afterError);
}

TEST_P(TalliedWindowsTest, RulesWarningHasNoIconAndOpensNothing) {
    Fixture fixture(GetParam());
    fixture.Press(Control::Command2);
    const std::vector<SeenMessage> seen = fixture.Press(Control::Command1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QString::fromStdString(expected::RulesWarning));
    EXPECT_EQ(seen[0].title, Title(fixture.Profile()));
    EXPECT_EQ(seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(fixture.windows.Window(Form::Form2), nullptr);

    fixture.Press(Control::Command3);
    EXPECT_TRUE(fixture.Press(Control::Command1).empty());
    ASSERT_NE(fixture.windows.Window(Form::Form2), nullptr);
    EXPECT_TRUE(fixture.windows.Window(Form::Form2)->isVisible());
}

// Every fourth item answered right, wrong then right, right then wrong, or skipped.
TEST_P(TalliedWindowsTest, WholeRoundByClicks) {
    Fixture fixture(GetParam());
    const int n = fixture.N();
    std::vector<int> errors(fixture.K(), 0);
    std::vector<int> shown(fixture.K(), 0);
    int noAnswer = 0;
    EXPECT_TRUE(fixture.Press(Control::Command2).empty());
    for (int position = 1; position <= n; ++position) {
        SCOPED_TRACE("position " + std::to_string(position));
        ASSERT_EQ(fixture.Text(Control::Label7), QString::number(position));
        const drill::DrillItem& row = fixture.RowOnShow();
        const std::size_t category = fixture.CategoryIndex(row.Number);
        ++shown[category];
        const bool firstIsRight = row.CorrectOption == fixture.Profile().FirstOption;
        const Control right = firstIsRight ? Control::Command3 : Control::Command4;
        const Control wrong = firstIsRight ? Control::Command4 : Control::Command3;
        switch (position % 4) {
            case 0:
                fixture.Press(right);
                break;
            case 1:
                fixture.Press(wrong);
                fixture.Press(right);
                ++errors[category];
                EXPECT_EQ(fixture.Text(Control::Label8), "Была ошибка");
                break;
            case 2:
                fixture.Press(right);
                fixture.Press(wrong);
                EXPECT_EQ(fixture.Text(Control::Label8), "");
                break;
            case 3:
                ++noAnswer;
                break;
        }
        if (position % 4 != 3) {
            EXPECT_EQ(fixture.Text(Control::Label1).toStdU16String(), row.FullText);
        }
        const std::vector<SeenMessage> seen = fixture.Press(Control::Command5);
        int total = noAnswer;
        for (const int value : errors) total += value;
        EXPECT_EQ(fixture.Text(Control::Label5), Counter(total));
        EXPECT_EQ(fixture.Text(Control::Label8), "");
        if (position < n) {
            EXPECT_TRUE(seen.empty());
        } else {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0].text, "Опрос окончен. Посмотрите результат.");
            EXPECT_EQ(seen[0].title, Title(fixture.Profile()));
            EXPECT_EQ(seen[0].icon, QMessageBox::NoIcon);
        }
    }
    // Every item was on show once.
    for (std::size_t k = 0; k < fixture.K(); ++k) {
        const drill::ResultCategory& range = fixture.Profile().Categories[k];
        EXPECT_EQ(shown[k], range.LastNumber - range.FirstNumber + 1);
    }
    int total = noAnswer;
    for (const int value : errors) total += value;
    fixture.Press(Control::Command6);
    const std::vector<QString> expected = fixture.Expected(total, errors, noAnswer, QString::number(n), shown);
    EXPECT_EQ(fixture.ResultValues(), expected);

    // After the end: "Начало" does nothing, the end message repeats, the asked value stays at N.
    EXPECT_TRUE(fixture.Press(Control::Command2).empty());
    EXPECT_EQ(fixture.Press(Control::Command5).size(), 1u);
    EXPECT_EQ(fixture.Text(Control::Label7), QString::number(n));
    fixture.Press(Control::Command6);
    EXPECT_EQ(fixture.ResultValues(), expected);
}

}  // namespace
}  // namespace drillwin::testing
