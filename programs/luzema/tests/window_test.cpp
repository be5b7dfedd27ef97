// The real Luzema windows on the offscreen platform, driven by clicks and typed keys.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <algorithm>

#include "programs/luzema/luzema.h"
#include "tests/support/expected_texts.h"
#include "tests/support/window_testing.h"
#include "windows/program_windows.h"
#include "windows/text.h"

namespace luzema {
namespace {

using drill::Control;
using drill::Form;
using drillwin::ToQString;
using drillwin::testing::SeenMessage;

const QString WrongVerdict = QStringLiteral("Ошибка. Ваш ответ:");
const QString RightVerdict = QStringLiteral("Правильно");

// Types text as key presses that carry it, one character (or surrogate pair) per key, the way a
// keyboard layout delivers Cyrillic.
void Type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

void PutCursor(QPlainTextEdit* box, int position) {
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(position);
    box->setTextCursor(cursor);
}

// Pastes through the clipboard with Ctrl+V, as a pupil would bring in a text from elsewhere.
// An empty text cannot be pasted: the pupil deletes the selection instead.
void Paste(QPlainTextEdit* box, const QString& text) {
    box->setFocus();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
        return;
    }
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

class LuzemaWindows : public drillwin::testing::StartedProgramTest<&Program> {
protected:
    QPlainTextEdit* Box() { return TextBoxOf(windows); }
    QString BoxText() { return ToQString(windows.GetText(Control::Text1)); }
    // The bank row whose sentence the box was given.
    const drill::SentenceItem& RowOnShow() { return StartedProgram::RowOnShow(Bank()); }

    // Clicks where the commas go and types each one with a real key.
    void TypeCommas(const drill::SentenceItem& row) {
        const QString expected = ToQString(row.ExpectedText);
        for (qsizetype i = 0; i < expected.size(); ++i) {
            if (expected.at(i) != u',') continue;
            PutCursor(Box(), static_cast<int>(i));
            QTest::keyClick(Box(), Qt::Key_Comma);
        }
    }
};

void ExpectMessage(const std::vector<SeenMessage>& seen, const char* text, QMessageBox::Icon icon) {
    ASSERT_EQ(seen.size(), 1u) << text;
    EXPECT_EQ(seen[0].text, QString::fromUtf8(text));
    EXPECT_EQ(seen[0].title, "Luzema");
    EXPECT_EQ(seen[0].icon, icon);
}

TEST_F(LuzemaWindows, MainWindowIsCalledAsDrawnAndItsBoxWraps) {
    EXPECT_EQ(windows.Window(Form::Form1)->windowTitle(), "Tolvenir");
    EXPECT_TRUE(Box()->tabChangesFocus());
    EXPECT_EQ(Box()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(LuzemaWindows, RulesWindowStatesTheRuleInOneSentence) {
    EXPECT_TRUE(Press(Control::Command1).empty());
    const QString rule = Text(Control::Label1, Form::Form2);
    EXPECT_EQ(rule, "Если причастный оборот стоит после определяемого слова, то он выделяется запятыми.");
    EXPECT_EQ(rule.size(), 82);
    const QLabel* label = LabelOf(windows, Form::Form2, Control::Label1);
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "the rule shows in full";
}

TEST_F(LuzemaWindows, FocusRunsFromTheRulesButtonThroughTheTextBox) {
    EXPECT_EQ(drillwin::testing::FocusWalk(windows.Window(Form::Form1)),
              (std::vector<std::string>{"Command1", "Command2", "Command4", "Command5", "Command7", "Text1", "Command3"}));
}

TEST_F(LuzemaWindows, EnterTypesALineBreakThatTheCheckSees) {
    Press(Control::Command2);
    const drill::SentenceItem& row = RowOnShow();
    TypeCommas(row);
    const QString expected = ToQString(row.ExpectedText);
    PutCursor(Box(), static_cast<int>(expected.indexOf(u' ')) + 1);
    QTest::keyClick(Box(), Qt::Key_Return);
    QString typed = expected;
    typed.insert(typed.indexOf(u' ') + 1, u'\n');
    EXPECT_EQ(BoxText(), typed);

    Press(Control::Command4);
    EXPECT_EQ(Text(Control::Label1), WrongVerdict);
    EXPECT_EQ(Text(Control::Label8), typed);
    EXPECT_EQ(Text(Control::Label5), "1");
}

TEST_F(LuzemaWindows, LongestSentencesShowInFullInTheBox) {
    for (const int number : {1, 7}) {
        for (const drill::TextView text : {Bank().Row(number).ShownText, Bank().Row(number).ExpectedText}) {
            SCOPED_TRACE(ToQString(text).toStdString());
            windows.SetText(Control::Text1, text);
            QApplication::processEvents();
            const QTextBlock block = Box()->document()->firstBlock();
            ASSERT_GT(block.layout()->lineCount(), 1) << "the sentence wraps";
            // The block's bounds take in the document's margins.
            const QRectF bounds = Box()->document()->documentLayout()->blockBoundingRect(block);
            EXPECT_LE(bounds.height(), Box()->viewport()->height());
            EXPECT_EQ(Box()->verticalScrollBar()->maximum(), 0) << "nothing scrolled out of sight";
            EXPECT_FALSE(Box()->horizontalScrollBar()->isVisible());
        }
    }
}

TEST_F(LuzemaWindows, ALongWrongAnswerWrapsWithinItsLabel) {
    const QLabel* label = LabelOf(windows, Form::Form1, Control::Label8);
    EXPECT_TRUE(label->wordWrap());
    for (const int number : {1, 7}) {
        const QString expected = ToQString(Bank().Row(number).ExpectedText);
        QString withoutBlanks = expected;
        withoutBlanks.remove(u' ');
        for (const QString& answer : {expected + " ", withoutBlanks}) {
            SCOPED_TRACE(answer.toStdString());
            windows.SetCaption(Form::Form1, Control::Label8, answer.toStdU16String());
            EXPECT_GE(label->heightForWidth(label->width()), 2 * label->fontMetrics().height()) << "two lines";
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "and all of it inside the box";
        }
    }
}

// The answer line lays out only the beginning of a long text; what shows must be what a short text
// with the same beginning shows, and a beginning of nothing but zero-width characters must not
// leave the line blank.
TEST_F(LuzemaWindows, AMegabyteAnswerShowsItsBeginningAsAShortOneWould) {
    QLabel* label = LabelOf(windows, Form::Form1, Control::Label8);
    const auto Shown = [&](const QString& text) {
        windows.SetCaption(Form::Form1, Control::Label8, text.toStdU16String());
        return label->grab().toImage();
    };
    const auto Megabyte = [](const QString& piece) { return piece.repeated((1 << 20) / piece.size()); };
    for (const QString& piece : {QStringLiteral("Лодка управляемая твёрдыми руками, "), QStringLiteral("Лодка,управляемая😀")}) {
        SCOPED_TRACE(piece.toStdString());
        // A dozen pieces fill the two lines of the box.
        EXPECT_TRUE(Shown(Megabyte(piece)) == Shown(piece.repeated(12)));
    }
    const QImage blank = Shown(QString());
    EXPECT_FALSE(Shown(Megabyte(QString(20000, QChar(0x200B)) + QStringLiteral("Лодка управляемая "))) == blank);
}

// Each sentence answered right by typing its commas, one after another to the end.
TEST_F(LuzemaWindows, WholeRightPassByTypedCommas) {
    EXPECT_TRUE(Press(Control::Command2).empty());
    std::vector<int> seenRows;
    for (int place = 1; place <= 9; ++place) {
        ASSERT_EQ(Text(Control::Label7), QString::number(place));
        const drill::SentenceItem& row = RowOnShow();
        seenRows.push_back(row.Number);
        TypeCommas(row);
        ASSERT_EQ(BoxText(), ToQString(row.ExpectedText));
        EXPECT_TRUE(Press(Control::Command4).empty());
        EXPECT_EQ(Text(Control::Label1), RightVerdict);
        EXPECT_EQ(Text(Control::Label8), "");
        EXPECT_TRUE(Press(Control::Command1).empty()) << "the rule may be read after the check";
        const std::vector<SeenMessage> seen = Press(Control::Command5);
        EXPECT_EQ(Text(Control::Label1), "");
        if (place < 9) {
            EXPECT_TRUE(seen.empty());
        } else {
            ExpectMessage(seen, "Опрос окончен.", QMessageBox::Information);
        }
    }
    std::sort(seenRows.begin(), seenRows.end());
    EXPECT_EQ(seenRows, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Text(Control::Label5), "");
    EXPECT_EQ(Text(Control::Label7), "9");
    EXPECT_TRUE(Press(Control::Command2).empty()) << "one pass per run";
}

// Every way of getting a sentence wrong, one per place, as a pupil would run into them.
TEST_F(LuzemaWindows, WholePassWithMistakes) {
    // Before the start: checking and moving on do nothing, restoring empties the box.
    Type(Box(), QStringLiteral("проба"));
    EXPECT_TRUE(Press(Control::Command4).empty());
    EXPECT_TRUE(Press(Control::Command5).empty());
    EXPECT_EQ(BoxText(), "проба");
    Press(Control::Command3);
    EXPECT_EQ(BoxText(), "");

    Press(Control::Command2);
    int errors = 0;
    for (int place = 1; place <= 9; ++place) {
        SCOPED_TRACE("place " + std::to_string(place));
        ASSERT_EQ(Text(Control::Label7), QString::number(place));
        const drill::SentenceItem& row = RowOnShow();
        const QString shown = ToQString(row.ShownText);
        const QString expected = ToQString(row.ExpectedText);
        bool skipped = false;
        ExpectMessage(Press(Control::Command1), expected::RulesWarning.c_str(),
                      QMessageBox::Warning);
        switch (place) {
            case 1: {  // the right commas and a blank after the full stop
                TypeCommas(row);
                PutCursor(Box(), static_cast<int>(expected.size()));
                QTest::keyClick(Box(), Qt::Key_Space);
                Press(Control::Command4);
                ++errors;
                EXPECT_EQ(Text(Control::Label8), expected + " ");
                break;
            }
            case 2: {  // one comma typed after the wrong word
                PutCursor(Box(), static_cast<int>(shown.indexOf(u' ')));
                QTest::keyClick(Box(), Qt::Key_Comma);
                Press(Control::Command4);
                ++errors;
                break;
            }
            case 3: {  // edited, then moving on without a check: asked to confirm; restored, then a skip
                QTest::keyClick(Box(), Qt::Key_End, Qt::ControlModifier);
                Type(Box(), QStringLiteral("ё"));
                ExpectMessage(Press(Control::Command5), "Подтвердите Вашу расстановку запятых.",
                              QMessageBox::Warning);
                EXPECT_EQ(Text(Control::Label7), "3");
                EXPECT_TRUE(Press(Control::Command3).empty());
                EXPECT_EQ(BoxText(), shown);
                skipped = true;
                break;
            }
            case 4: {  // the whole sentence retyped by hand, with е for every ё (and ё where there is none)
                Box()->selectAll();
                QString spelt = expected;
                if (spelt.contains(u'ё')) {
                    spelt.replace(u'ё', u'е');
                } else {
                    spelt.replace(spelt.lastIndexOf(u'е'), 1, u'ё');
                }
                Type(Box(), spelt);
                EXPECT_EQ(BoxText(), spelt);
                Press(Control::Command4);
                ++errors;
                EXPECT_EQ(Text(Control::Label8), spelt);
                break;
            }
            case 5: {  // wrong, then corrected: one error, and moving on needs no confirmation
                Press(Control::Command4);
                ++errors;
                ExpectMessage(Press(Control::Command3), "Повтор возможен до проверки.", QMessageBox::Warning);
                EXPECT_EQ(BoxText(), shown);
                TypeCommas(row);
                break;
            }
            case 6: {  // right, then a second check: the box is emptied, nothing else changes
                TypeCommas(row);
                Press(Control::Command4);
                EXPECT_EQ(Text(Control::Label1), RightVerdict);
                Press(Control::Command4);
                EXPECT_EQ(BoxText(), "");
                EXPECT_EQ(Text(Control::Label1), RightVerdict);
                break;
            }
            case 7: {  // checked untouched
                Press(Control::Command4);
                ++errors;
                EXPECT_EQ(Text(Control::Label8), shown);
                break;
            }
            default:  // skipped untouched
                skipped = true;
                break;
        }
        EXPECT_EQ(Text(Control::Label5), errors ? QString::number(errors) : QString());
        const std::vector<SeenMessage> seen = Press(Control::Command5);
        if (skipped) ++errors;
        EXPECT_EQ(Text(Control::Label1), "");
        EXPECT_EQ(Text(Control::Label8), "");
        EXPECT_EQ(Text(Control::Label5), QString::number(errors)) << "moving on counts no second error";
        if (place < 9) {
            EXPECT_TRUE(seen.empty());
        } else {
            ExpectMessage(seen, "Опрос окончен.", QMessageBox::Information);
        }
    }
    EXPECT_EQ(errors, 8);
    ExpectMessage(Press(Control::Command5), "Опрос окончен.", QMessageBox::Information);
    EXPECT_TRUE(Press(Control::Command1).empty());
}

struct Hostile {
    const char* name;
    QString pasted;
    QString readBack;  // what the box holds afterwards: the pasted text, line breaks as typed by Enter
};

void PrintTo(const Hostile& input, std::ostream* out) { *out << input.name; }

class BadInput : public LuzemaWindows, public ::testing::WithParamInterface<Hostile> {};

TEST_P(BadInput, IsComparedExactlyAndShownLiterally) {
    const Hostile& input = GetParam();
    Press(Control::Command2);
    const QString sentence = ToQString(RowOnShow().ExpectedText);
    Box()->selectAll();
    Paste(Box(), input.pasted);
    ASSERT_EQ(BoxText(), input.readBack);

    EXPECT_TRUE(Press(Control::Command4).empty());
    QLabel* label8 = LabelOf(windows, Form::Form1, Control::Label8);
    EXPECT_EQ(Text(Control::Label1), WrongVerdict);
    EXPECT_EQ(label8->text(), input.readBack);
    EXPECT_EQ(label8->textFormat(), Qt::PlainText);
    EXPECT_EQ(Text(Control::Label5), "1");
    label8->grab();  // painting it must not fail either

    // The pupil may still put the sentence right and move on without a further error.
    Box()->selectAll();
    Paste(Box(), sentence);
    EXPECT_TRUE(Press(Control::Command5).empty());
    EXPECT_EQ(Text(Control::Label5), "1");
    EXPECT_EQ(Text(Control::Label7), "2");
}

QString Repeated(const QString& piece, qsizetype length) {
    QString text;
    text.reserve(length);
    while (text.size() < length) text += piece;
    text.truncate(length);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Pasted, BadInput,
    ::testing::Values(
        Hostile{"Bold", QStringLiteral("<b>Лодка</b>"), QStringLiteral("<b>Лодка</b>")},
        Hostile{"Image", QStringLiteral("<img src=x>"), QStringLiteral("<img src=x>")},
        Hostile{"Entity", QStringLiteral("&lt;Лодка&gt; &amp;"), QStringLiteral("&lt;Лодка&gt; &amp;")},
        Hostile{"Empty", QString(), QString()},
        Hostile{"LineBreaks", QStringLiteral("Лодка,\nуправляемая\n\n"), QStringLiteral("Лодка,\nуправляемая\n\n")},
        Hostile{"WindowsLineBreak", QStringLiteral("Лодка,\r\nуправляемая"), QStringLiteral("Лодка,\nуправляемая")},
        Hostile{"LineSeparator", QStringLiteral("Лодка,\u2028управляемая"), QStringLiteral("Лодка,\u2028управляемая")},
        Hostile{"Tabs", QStringLiteral("\tЛодка,\tуправляемая\t"), QStringLiteral("\tЛодка,\tуправляемая\t")},
        Hostile{"ControlCharacters", QStringLiteral("Лодка\u0000\u0001\u0007\u001b\u007f\u0085"),
                QStringLiteral("Лодка\u0000\u0001\u0007\u001b\u007f\u0085")},
        Hostile{"LoneSurrogates", ToQString(u"Лодка\xD800, \xDC00управляемая"),
                ToQString(u"Лодка\xD800, \xDC00управляемая")},
        Hostile{"RightToLeftMarks", QStringLiteral("\u200FЛодка\u202E, управляемая\u202C\u200E"),
                QStringLiteral("\u200FЛодка\u202E, управляемая\u202C\u200E")},
        Hostile{"CombiningAccents", QStringLiteral("Ло\u0301дка, тве\u0308рдыми"), QStringLiteral("Ло\u0301дка, тве\u0308рдыми")},
        Hostile{"OutsideTheBasicPlane", QStringLiteral("Лодка 😀, 𝔏𝔬𝔡𝔨𝔞 \U00010400"),
                QStringLiteral("Лодка 😀, 𝔏𝔬𝔡𝔨𝔞 \U00010400")},
        Hostile{"OneMegabyte", Repeated(QStringLiteral("Лодка управляемая твёрдыми руками, "), 1 << 20),
                Repeated(QStringLiteral("Лодка управляемая твёрдыми руками, "), 1 << 20)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LuzemaWindows, ANoBreakSpaceInPlaceOfABlankIsAnError) {
    Press(Control::Command2);
    QString typed = ToQString(RowOnShow().ExpectedText);
    typed.replace(typed.indexOf(u' '), 1, QChar::Nbsp);
    Box()->selectAll();
    Paste(Box(), typed);
    Press(Control::Command4);
    EXPECT_EQ(Text(Control::Label1), WrongVerdict);
    EXPECT_EQ(Text(Control::Label8), typed);
}

}  // namespace
}  // namespace luzema
