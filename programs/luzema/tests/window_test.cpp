// The real Luzema windows on the offscreen platform: the sentence box, the answer line and what a
// pupil may type or paste into the box.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

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

const QString WrongVerdict = QString::fromStdString(expected::WrongVerdict);

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

TEST_F(LuzemaWindows, TheBoxWrapsAndTabLeavesIt) {
    EXPECT_TRUE(Box()->tabChangesFocus());
    EXPECT_EQ(Box()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(LuzemaWindows, TheRuleShowsInFull) {
    EXPECT_TRUE(Press(Control::Command1).empty());
    const QLabel* label = LabelOf(windows, Form::Form2, Control::Label1);
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->heightForWidth(label->width()), label->height());
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

// No letter is taken as a key of the window's own: every sentence retyped by hand reaches the box
// as typed and is checked as typed, е typed for ё an error.
TEST_F(LuzemaWindows, SentencesTypedByHandAreCheckedAsTyped) {
    Press(Control::Command2);
    for (int place = 1; place <= Bank().Size(); ++place) {
        const QString expected = ToQString(RowOnShow().ExpectedText);
        QString typed = expected;
        typed.replace(u'ё', u'е');
        SCOPED_TRACE(typed.toStdString());
        Box()->selectAll();
        Type(Box(), typed);
        ASSERT_EQ(BoxText(), typed);
        Press(Control::Command4);
        EXPECT_EQ(Text(Control::Label1), typed == expected ? QString::fromStdString(expected::RightVerdict) : WrongVerdict);
        Press(Control::Command5);
    }
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
