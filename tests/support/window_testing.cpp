#include "tests/support/window_testing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "engine/controls.h"
#include "engine/drill_session.h"
#include "windows/form_window.h"
#include "windows/text.h"

namespace drillwin::testing {

struct MessageAnswerer::State {
    QTimer timer;
    std::vector<SeenMessage> seen;
};

MessageAnswerer::MessageAnswerer(CloseBy closeBy) : state_(new State) {
    // The timer fires inside the box's own event loop as soon as it runs and answers the box like a
    // pupil pressing OK or a key; a box the key leaves open is closed with OK all the same, so that
    // nothing hangs.
    state_->timer.setInterval(0);
    QObject::connect(&state_->timer, &QTimer::timeout, [state = state_, closeBy] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        SeenMessage seen{box->text(), box->windowTitle(), box->icon()};
        if (QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(box)) {
            seen.spokenRole = spoken->role();
            seen.spokenName = spoken->text(QAccessible::Name);
            seen.spokenValue = spoken->text(QAccessible::Value);
        }
        seen.palette = box->palette();
        seen.iconPixmap = box->iconPixmap();
        seen.picture = box->grab().toImage();
        if (closeBy != CloseBy::OkButton) {
            QWidget* focused = box->focusWidget() ? box->focusWidget() : box;
            QTest::keyClick(focused, closeBy == CloseBy::EnterKey ? Qt::Key_Return : Qt::Key_Escape);
            seen.closedAsAsked = !box->isVisible();
        }
        if (box->isVisible()) box->button(QMessageBox::Ok)->click();
        state->seen.push_back(seen);
    });
    state_->timer.start();
}

MessageAnswerer::~MessageAnswerer() { delete state_; }

std::vector<SeenMessage> MessageAnswerer::Take() {
    state_->timer.stop();
    return std::move(state_->seen);
}

std::vector<SeenMessage> Click(QAbstractButton* button) {
    return AnsweringMessages([button] { QTest::mouseClick(button, Qt::LeftButton); });
}

std::vector<SeenMessage> PressKey(QWidget* widget, Qt::Key key, CloseBy closeBy) {
    return AnsweringMessages([widget, key] { QTest::keyClick(widget, key); }, closeBy);
}

StartedProgram::StartedProgram(const ProgramDescription& program) : windows(program) { windows.ShowMainWindow(); }

std::vector<SeenMessage> StartedProgram::Press(Control button) {
    QAbstractButton* target = ButtonOf(windows, button);
    if (!target) {
        ADD_FAILURE() << "the main window has no " << drill::ControlName(button);
        return {};
    }
    return Click(target);
}

QString StartedProgram::Text(Control label, Form form) const {
    const QLabel* target = LabelOf(windows, form, label);
    return target ? target->text() : QStringLiteral("<no label>");
}

const drill::DrillItem& StartedProgram::RowOnShow(const drill::ItemBank& bank) const {
    const QString prompt = Text(drill::PromptLabel);
    for (const drill::DrillItem& row : bank.Rows()) {
        if (ToQString(row.Prompt) == prompt) return row;
    }
    ADD_FAILURE() << "no row has the prompt " << prompt.toStdString();
    return bank.Row(1);
}

const drill::SentenceItem& StartedProgram::RowOnShow(const drill::SentenceBank& bank) const {
    const QString shown = TextBoxOf(windows) ? TextBoxOf(windows)->toPlainText() : QString();
    for (const drill::SentenceItem& row : bank.Rows()) {
        if (ToQString(row.ShownText) == shown) return row;
    }
    ADD_FAILURE() << "the box holds no sentence of the bank: " << shown.toStdString();
    return bank.Row(1);
}

bool TabTo(QWidget* window, const QString& name) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    for (int step = 0; step < 40; ++step) {
        QWidget* current = window->focusWidget();
        if (!current) return false;
        if (current->objectName() == name) return true;
        QTest::keyClick(current, Qt::Key_Tab);
    }
    return false;
}

QAccessibleInterface* Accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

namespace {

// 1440 twips an inch, shown at 96 pixels an inch.
int InPixels(int twips) { return twips / 15; }

// &H00BBGGRR&: red is the low byte. An invalid colour where the table leaves the toolkit's own.
QColor InRgb(Colour colour) {
    if (colour.isDefault) return {};
    return QColor(colour.bgr & 0xFF, (colour.bgr >> 8) & 0xFF, (colour.bgr >> 16) & 0xFF);
}

// The design's face where installed, else its metric-compatible stand-in.
QString InstalledFace(std::string_view design) {
    const QString face = QString::fromLatin1(design.data(), static_cast<qsizetype>(design.size()));
    if (QFontDatabase::families().contains(face, Qt::CaseInsensitive)) return face;
    if (design == "MS Sans Serif") return QStringLiteral("Liberation Sans");
    if (design == "Times New Roman") return QStringLiteral("Liberation Serif");
    return face;
}

void ExpectControlMatches(QWidget* window, const ControlRow& row, const Font& windowFont) {
    const std::string name(drill::ControlName(row.name));
    SCOPED_TRACE(name);
    auto* control = window->findChild<QWidget*>(QString::fromStdString(name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), QRect(InPixels(row.left), InPixels(row.top), InPixels(row.width), InPixels(row.height)));

    const Font& font = row.font.family.empty() ? windowFont : row.font;
    const QFontInfo installed(control->font());
    EXPECT_EQ(installed.family(), InstalledFace(font.family)) << "the face must be installed";
    EXPECT_EQ(installed.pixelSize(), qRound(font.points * 96 / 72));
    EXPECT_EQ(installed.bold(), font.bold);
    EXPECT_EQ(installed.italic(), font.italic);
    EXPECT_EQ(control->font().underline(), font.underline);

    const QString caption = ToQString(row.caption);
    const QColor back = InRgb(row.back);
    const QColor fore = row.fore.isDefault ? QColor(Qt::black) : InRgb(row.fore);
    switch (row.kind) {
        case Kind::Button: {
            auto* button = qobject_cast<QAbstractButton*>(control);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), caption);
            EXPECT_EQ(button->palette().color(QPalette::Button), back);
            EXPECT_EQ(button->palette().color(QPalette::ButtonText), fore);
            EXPECT_NE(button->focusPolicy() & Qt::TabFocus, 0);
            EXPECT_FALSE(button->isHidden());
            EXPECT_TRUE(button->isEnabled());
            break;
        }
        case Kind::Label: {
            auto* label = qobject_cast<QLabel*>(control);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), caption);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_TRUE(label->autoFillBackground()) << "labels are opaque";
            if (back.isValid()) {
                EXPECT_EQ(label->palette().color(QPalette::Window), back);
            }
            EXPECT_EQ(label->palette().color(QPalette::WindowText), fore);
            EXPECT_EQ(label->frameShape() != QFrame::NoFrame, row.border);
            EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), row.align == Align::Centre);
            EXPECT_EQ(label->wordWrap(), row.wrap);
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
            break;
        }
        case Kind::TextBox: {
            auto* box = qobject_cast<QPlainTextEdit*>(control);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->toPlainText(), caption);
            EXPECT_EQ(box->palette().color(QPalette::Base), back);
            EXPECT_EQ(box->palette().color(QPalette::Text), fore);
            EXPECT_TRUE(box->isEnabled());
            EXPECT_FALSE(box->isReadOnly());
            break;
        }
    }
}

}  // namespace

void ExpectMatchesLayout(QWidget* window, const FormLayout& layout) {
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), ToQString(layout.caption));
    EXPECT_EQ(window->size(), QSize(InPixels(layout.width), InPixels(layout.height)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the pupil cannot resize the window";
    if (layout.fixedFrame) {
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    }
    EXPECT_EQ(window->palette().color(QPalette::Window), InRgb(layout.back));
    for (const ControlRow& row : layout.controls) {
        ExpectControlMatches(window, row, layout.font);
        // A control the window cuts off is a slip in its table.
        EXPECT_TRUE(row.left >= 0 && row.top >= 0 && row.left + row.width <= layout.width &&
                    row.top + row.height <= layout.height)
            << drill::ControlName(row.name) << " lies outside its window";
    }
}

std::vector<std::string> FocusWalk(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    std::vector<std::string> names;
    QWidget* first = window->focusWidget();
    QWidget* current = first;
    while (current && names.size() < 40) {
        names.push_back(current->objectName().toStdString());
        QTest::keyClick(current, Qt::Key_Tab);
        current = window->focusWidget();
        if (current == first) break;
    }
    return names;
}

}  // namespace drillwin::testing
