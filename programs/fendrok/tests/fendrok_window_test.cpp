// The real Fendrok windows on the offscreen platform, clicked as a pupil clicks them.

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include "programs/fendrok/fendrok.h"
#include "tests/support/window_testing.h"
#include "windows/form_window.h"
#include "windows/program_windows.h"

namespace fendrok {
namespace {

using drill::Control;
using drill::Form;
using drillwin::ProgramWindows;
using drillwin::testing::Click;
using drillwin::testing::SeenMessage;
using enum drill::Control;

const QString kTitle = QStringLiteral("Правописание Fendrok на -о и -е");
constexpr const char* kRule =
    "В наречиях  на  -о  и  -е  пишется  столько  же  -н-, сколько в прилагательных, от которых они образованы.";

// Colours as RGB, read off the drawn windows independently of the tables' &H00BBGGRR& values.
const QColor kCyan(128, 255, 255);
const QColor kPale(192, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 192);
const QColor kNavy(0, 0, 128);
const QColor kSystemText(Qt::black);

struct Expected {
    Control name;
    const char* caption;
    int left, top, width, height;  // twips
    const char* family;
    double points;
    bool bold;
    QColor back, fore;
    bool boxed;
    bool centred;
};

void ExpectControl(const QWidget* window, const Expected& expected) {
    SCOPED_TRACE(drill::ControlName(expected.name).data());
    const auto* control = window->findChild<QWidget*>(QString::fromLatin1(drill::ControlName(expected.name).data()));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), QRect(expected.left / 15, expected.top / 15, expected.width / 15, expected.height / 15));
    const QFontInfo font(control->font());
    EXPECT_EQ(font.family(), drillwin::ResolveFamily(expected.family));
    EXPECT_EQ(font.pixelSize(), drillwin::PixelSize(expected.points));
    EXPECT_EQ(font.bold(), expected.bold);
    EXPECT_FALSE(font.italic());
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        EXPECT_EQ(button->text(), QString::fromUtf8(expected.caption));
        EXPECT_EQ(button->palette().color(QPalette::Button), expected.back);
        EXPECT_EQ(button->palette().color(QPalette::ButtonText), expected.fore);
        EXPECT_TRUE(button->isVisible());
        EXPECT_TRUE(button->isEnabled());
    } else {
        const auto* label = qobject_cast<const QLabel*>(control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(expected.caption));
        EXPECT_EQ(label->palette().color(QPalette::Window), expected.back);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), expected.fore);
        EXPECT_EQ(label->frameShape() != QFrame::NoFrame, expected.boxed);
        EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), expected.centred);
    }
}

constexpr bool Boxed = true;
constexpr bool Centred = true;
constexpr const char* Sans = "MS Sans Serif";
constexpr const char* Times = "Times New Roman";

// The main window as drawn up, row for row.
const Expected kMainWindow[] = {
    {Command1, "Правило", 2640, 5760, 2055, 495, Sans, 12, true, kCyan, kSystemText, false, Centred},
    {Command2, "Начало", 4680, 1200, 1695, 495, Sans, 12, true, kCyan, kSystemText, false, Centred},
    {Label1, "", 2880, 2640, 5055, 735, Times, 26.25, true, kPale, kBlue, Boxed, Centred},
    {Label2, "Сколько  -Н-  нужно вставить в наречие", 2280, 2040, 6255, 375, Times, 15.75, false, kPale, kBlue, false, Centred},
    {Command3, "-н-", 3840, 3960, 975, 615, Times, 21.75, true, kCyan, kSystemText, false, Centred},
    {Command4, "-нн-", 6240, 3960, 975, 615, Times, 21.75, true, kCyan, kSystemText, false, Centred},
    {Label3, "или", 5160, 4080, 735, 375, Times, 14.25, false, kPale, kSystemText, false, Centred},
    {Label4, "Сделано  ошибок:", 7320, 1080, 2055, 255, Sans, 9.75, true, kPale, kNavy, false, false},
    {Label5, "", 9360, 1080, 615, 375, Sans, 12, true, kPale, kRed, Boxed, Centred},
    {Label6, "Задано вопросов:", 1080, 1080, 2055, 255, Sans, 9.75, true, kPale, kNavy, false, false},
    {Label7, "", 3120, 1080, 615, 375, Sans, 12, true, kPale, kNavy, Boxed, Centred},
    {Command5, "Ещё слово", 4440, 4800, 2055, 495, Sans, 12, true, kCyan, kSystemText, false, Centred},
    {Command7, "Выход", 6120, 5760, 1935, 495, Sans, 12, true, kCyan, kSystemText, false, Centred},
    {Label8, "", 3480, 3480, 3855, 375, Sans, 12, true, kPale, kRed, false, Centred},
};

QString Text(const ProgramWindows& windows, Control label, Form form = Form::Form1) {
    const QLabel* target = windows.Label(form, label);
    return target ? target->text() : QStringLiteral("<no label>");
}

// The bank row whose prompt stands in Label1, as a pupil with the answer key would find it.
const drill::DrillItem& RowOnShow(const ProgramWindows& windows) {
    const std::u16string prompt = Text(windows, Label1).toStdU16String();
    for (const drill::DrillItem& row : Profile.Bank.Rows()) {
        if (row.Prompt == prompt) return row;
    }
    ADD_FAILURE() << "no row has the prompt " << Text(windows, Label1).toStdString();
    return Profile.Bank.Row(1);
}

class FendrokWindows : public ::testing::Test {
protected:
    FendrokWindows() { windows.ShowMainWindow(); }
    QAbstractButton* Button(Control name) { return windows.Button(name); }
    QWidget* Main() { return windows.Window(Form::Form1); }

    ProgramWindows windows{Program()};
};

TEST_F(FendrokWindows, MainWindowIsAsDrawn) {
    ASSERT_NE(Main(), nullptr);
    EXPECT_EQ(Main()->windowTitle(), QStringLiteral("Правописание  Fendrok  на  -о  и  -е"));
    EXPECT_EQ(Main()->size(), QSize(706, 487));
    EXPECT_EQ(Main()->palette().color(QPalette::Window), kCyan);
    EXPECT_EQ(Main()->palette().color(QPalette::WindowText), kRed);
    EXPECT_FALSE(Main()->windowIcon().isNull());
    EXPECT_EQ(static_cast<std::size_t>(Main()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size()), std::size(kMainWindow));
    EXPECT_EQ(Button(Command6), nullptr) << "Fendrok has no result button";
    for (const Expected& row : kMainWindow) ExpectControl(Main(), row);
    drillwin::testing::ExpectMatchesLayout(Main(), Forms[0]);
}

TEST_F(FendrokWindows, PicturesAreCompiledIn) {
    const QSvgRenderer background(QStringLiteral(":/fendrok/background.svg"));
    ASSERT_TRUE(background.isValid());
    EXPECT_EQ(background.defaultSize(), QSize(707, 488));
    EXPECT_TRUE(QSvgRenderer(QStringLiteral(":/fendrok/icon.svg")).isValid());
}

TEST_F(FendrokWindows, RulesWindowIsAsDrawnAndItsTextFits) {
    EXPECT_TRUE(Click(Button(Command1)).empty());
    QWidget* rules = windows.Window(Form::Form2);
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->isVisible());
    EXPECT_EQ(rules->windowTitle(), QStringLiteral("Правила"));
    EXPECT_EQ(rules->size(), QSize(485, 116));
    EXPECT_EQ(rules->palette().color(QPalette::Window), kPale);
    EXPECT_EQ(rules->palette().color(QPalette::WindowText), kBlue);
    EXPECT_FALSE(rules->windowIcon().isNull());
    EXPECT_EQ(rules->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 1);
    const Expected rule{Label1, kRule, 240, 240, 6735, 1215, Times, 15.75, false, kPale, kSystemText, false, Centred};
    ExpectControl(rules, rule);
    drillwin::testing::ExpectMatchesLayout(rules, Forms[1]);

    const QLabel* label = windows.Label(Form::Form2, Label1);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "the rule must not be cut off";
}

TEST_F(FendrokWindows, EveryWordFitsItsLabel) {
    const QLabel* word = windows.Label(Form::Form1, Label1);
    ASSERT_NE(word, nullptr);
    const QFontMetrics metrics(word->font());
    for (const drill::DrillItem& row : Profile.Bank.Rows()) {
        for (const std::u16string_view text : {row.Prompt, row.FullText}) {
            const QString shown = QString::fromStdU16String(std::u16string(text));
            EXPECT_LT(metrics.horizontalAdvance(shown), word->contentsRect().width()) << shown.toStdString();
        }
    }
    for (const Control label : {Label2, Label4, Label6}) {
        const QLabel* heading = windows.Label(Form::Form1, label);
        EXPECT_LE(QFontMetrics(heading->font()).horizontalAdvance(heading->text()), heading->contentsRect().width())
            << heading->text().toStdString();
    }
}

TEST_F(FendrokWindows, FocusStartsOnTheRuleButtonAndFollowsTheTabIndexes) {
    EXPECT_EQ(drillwin::testing::FocusWalk(Main()),
              (std::vector<std::string>{"Command1", "Command2", "Command3", "Command4", "Command5", "Command7"}));
}

TEST_F(FendrokWindows, BeforeTheStartOnlyTheRuleButtonDoesAnything) {
    for (const Control button : {Command3, Command4, Command5}) {
        EXPECT_TRUE(Click(Button(button)).empty());
    }
    for (const Control label : {Label1, Label5, Label7, Label8}) {
        EXPECT_EQ(Text(windows, label), "") << drill::ControlName(label);
    }
    EXPECT_TRUE(Click(Button(Command1)).empty());
    EXPECT_NE(windows.Window(Form::Form2), nullptr);
}

TEST_F(FendrokWindows, WholeRoundByClicks) {
    EXPECT_TRUE(Click(Button(Command2)).empty());
    int errors = 0;
    QString lastFullText;
    for (int position = 1; position <= 20; ++position) {
        ASSERT_EQ(Text(windows, Label7), QString::number(position));
        const drill::DrillItem& row = RowOnShow(windows);
        const Control right = row.CorrectOption == u"н" ? Command3 : Command4;
        const Control wrong = right == Command3 ? Command4 : Command3;
        const int way = position % 5;
        switch (way) {
            case 0:  // right
                Click(Button(right));
                EXPECT_EQ(Text(windows, Label8), "");
                break;
            case 1:  // wrong, then right: one error, and the mark stays
                Click(Button(wrong));
                EXPECT_EQ(Text(windows, Label5), QString::number(++errors));
                Click(Button(right));
                EXPECT_EQ(Text(windows, Label8), "Была ошибка");
                break;
            case 2:  // right, then wrong: none
                Click(Button(right));
                Click(Button(wrong));
                EXPECT_EQ(Text(windows, Label8), "");
                break;
            case 3:  // wrong only
                Click(Button(wrong));
                ++errors;
                break;
            case 4:  // skipped: the rule stays shut until an answer
                ASSERT_EQ(Click(Button(Command1)).size(), 1u);
                break;
        }
        if (way != 4) {
            EXPECT_EQ(Text(windows, Label1).toStdU16String(), row.FullText);
            lastFullText = Text(windows, Label1);
        }
        const std::vector<SeenMessage> seen = Click(Button(Command5));
        if (way == 4) ++errors;
        EXPECT_EQ(Text(windows, Label5), errors ? QString::number(errors) : QString());
        EXPECT_EQ(Text(windows, Label8), "");
        if (position < 20) {
            EXPECT_TRUE(seen.empty());
        } else {
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(seen[0].text, "Опрос окончен.");
            EXPECT_EQ(seen[0].title, kTitle);
            EXPECT_EQ(seen[0].icon, QMessageBox::Information);
        }
    }
    EXPECT_EQ(errors, 12);
    EXPECT_EQ(windows.Window(Form::Form2), nullptr) << "every rule press came before an answer";
    EXPECT_EQ(Text(windows, Label7), "20");

    // After the end: "Начало" does nothing, the answers show the last word, the end message repeats.
    EXPECT_TRUE(Click(Button(Command2)).empty());
    EXPECT_TRUE(Click(Button(Command3)).empty());
    EXPECT_EQ(Text(windows, Label1), lastFullText);
    EXPECT_EQ(Click(Button(Command5)).size(), 1u);
    EXPECT_EQ(Text(windows, Label5), "12");
    EXPECT_TRUE(Click(Button(Command1)).empty());
    EXPECT_NE(windows.Window(Form::Form2), nullptr);
}

TEST_F(FendrokWindows, RuleButtonWarnsWhileAWordWaitsThenOpensOneReusedWindow) {
    Click(Button(Command2));
    const std::vector<SeenMessage> seen = Click(Button(Command1));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Вначале дайте ответ, затем можете повторить правило.");
    EXPECT_EQ(seen[0].title, kTitle);
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(windows.Window(Form::Form2), nullptr);

    Click(Button(Command4));
    EXPECT_TRUE(Click(Button(Command1)).empty());
    QWidget* rules = windows.Window(Form::Form2);
    ASSERT_NE(rules, nullptr);
    Click(Button(Command1));
    EXPECT_EQ(windows.Window(Form::Form2), rules) << "one rules window, reused";

    // The main window stays usable while the rules are open.
    EXPECT_TRUE(Click(Button(Command5)).empty());
    EXPECT_EQ(Text(windows, Label7), "2");
    EXPECT_TRUE(rules->isVisible());

    rules->close();
    QApplication::processEvents();
    Click(Button(Command3));
    Click(Button(Command1));
    ASSERT_NE(windows.Window(Form::Form2), nullptr);
    EXPECT_EQ(Text(windows, Label1, Form::Form2), QString::fromUtf8(kRule));
}

}  // namespace
}  // namespace fendrok
