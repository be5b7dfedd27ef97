// What every program gets from the window layer, checked on the program's own windows: keyboard
// use, what a screen reader is told, readability whatever palette the desktop imposes, and drawing
// at the screen's pixel density. Built once per program; run at scale factors 1, 1.5 and 2.

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/controls.h"
#include "engine/drill.h"
#include "tests/support/expected_texts.h"
#include "tests/support/window_testing.h"
#include "windows/design_units.h"
#include "windows/form_window.h"
#include "windows/picture_drawing.h"
#include "windows/program_windows.h"
#include "windows/text.h"

namespace drillwin::testing {

// The program under test; each program's build generates this one function.
const drillui::ProgramDescription& TestedProgram();

namespace {

using drill::Control;
using drill::Form;

QString Name(Control control) {
    const std::string_view name = drill::ControlName(control);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// WCAG contrast ratio of two colours (1 to 21).
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
    };
    const double first = luminance(a) + 0.05;
    const double second = luminance(b) + 0.05;
    return std::max(first, second) / std::min(first, second);
}

// WCAG's least contrast for text: 4.5, or 3 for large text (18 pt, or 14 pt bold).
double MinimumContrast(const QFont& font) {
    const int pixels = QFontInfo(font).pixelSize();
    const bool large = pixels >= PixelSize(18) || (font.bold() && pixels >= PixelSize(14));
    return large ? 3.0 : 4.5;
}

// The screen's scale as the test run sets it; the windows must follow it.
double ExpectedRatio() {
    bool valid = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&valid);
    return valid ? factor : 1.0;
}

class DesktopChecks : public StartedProgramTest<&TestedProgram> {
protected:
    // Opens every secondary window of the program through the platform operation the drill uses.
    void OpenEveryWindow() {
        for (const FormLayout& layout : TestedProgram().forms) {
            if (layout.form != Form::Form1) windows.ShowWindow(layout.form);
        }
    }
    QWidget* Control(const FormLayout& layout, const ControlRow& row) {
        QWidget* window = windows.Window(layout.form);
        return window ? window->findChild<QWidget*>(Name(row.name)) : nullptr;
    }
};

TEST_F(DesktopChecks, EveryWindowKeepsItsLayout) {
    OpenEveryWindow();
    for (const FormLayout& layout : TestedProgram().forms) {
        SCOPED_TRACE(static_cast<int>(layout.form));
        ExpectMatchesLayout(windows.Window(layout.form), layout);
    }
}

TEST_F(DesktopChecks, TabVisitsTheButtonsAndTextBoxInTheTablesOrder) {
    const FormLayout& main = TestedProgram().forms.front();
    std::vector<const ControlRow*> focusable;
    for (const ControlRow& row : main.controls) {
        if (row.kind != Kind::Label) focusable.push_back(&row);
    }
    std::stable_sort(focusable.begin(), focusable.end(), [](auto a, auto b) { return a->tabIndex < b->tabIndex; });
    std::vector<std::string> expected;
    for (const ControlRow* row : focusable) expected.emplace_back(drill::ControlName(row->name));
    EXPECT_EQ(FocusWalk(Main()), expected);
}

TEST_F(DesktopChecks, ExitEndsTheProgramWithEveryWindow) {
    OpenEveryWindow();
    for (const FormLayout& layout : TestedProgram().forms) ASSERT_NE(windows.Window(layout.form), nullptr);
    Press(drill::ExitButton);
    QApplication::processEvents();
    EXPECT_TRUE(windows.Ended());
    EXPECT_FALSE(Main()->isVisible());
    for (const FormLayout& layout : TestedProgram().forms) {
        if (layout.form != Form::Form1) {
            EXPECT_EQ(windows.Window(layout.form), nullptr);
        }
    }
}

class KeyPress : public DesktopChecks, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(KeyPress, PressesEachButtonExactlyOnce) {
    for (const ControlRow& row : TestedProgram().forms.front().controls) {
        if (row.kind != Kind::Button) continue;
        SCOPED_TRACE(Name(row.name).toStdString());
        // A fresh program for each button: "Выход" ends the one it is pressed in.
        const StartedProgram fresh(TestedProgram());
        QWidget* main = fresh.Main();
        ASSERT_TRUE(TabTo(main, Name(row.name)));
        QAbstractButton* button = ButtonOf(fresh.windows, row.name);
        int clicks = 0;
        QObject::connect(button, &QAbstractButton::clicked, [&clicks] { ++clicks; });
        PressKey(button, GetParam());
        EXPECT_EQ(clicks, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(SpaceReturnAndKeypadEnter, KeyPress, ::testing::Values(Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter));

TEST_F(DesktopChecks, TheButtonWithTheKeyboardFocusIsPlainlyMarked) {
    // The mark shows once the pupil uses the keyboard, as with the Tab that starts here.
    QApplication::setActiveWindow(Main());
    ASSERT_NE(Main()->focusWidget(), nullptr);
    QTest::keyClick(Main()->focusWidget(), Qt::Key_Tab);
    for (const ControlRow& row : TestedProgram().forms.front().controls) {
        if (row.kind != Kind::Button) continue;
        SCOPED_TRACE(Name(row.name).toStdString());
        QWidget* button = ButtonOf(windows, row.name);
        ASSERT_TRUE(TabTo(Main(), Name(row.name)));
        const QImage focused = button->grab().toImage();
        QTest::keyClick(button, Qt::Key_Tab);
        ASSERT_NE(Main()->focusWidget(), button);
        const QImage unfocused = button->grab().toImage();
        ASSERT_EQ(focused.size(), unfocused.size());
        // Pixels that the focus changes, and changes with at least the contrast a mark needs (3:1).
        int marked = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                if (Contrast(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3.0) ++marked;
            }
        }
        // A dotted line all round covers about half the rim; ask for half of that.
        EXPECT_GE(marked, (focused.width() + focused.height()) / 2) << "of " << focused.width() << "x" << focused.height();
    }
}

struct BoxCase {
    drill::MessageStyle style;
    CloseBy closeBy;
    QMessageBox::Icon icon;
};

class MessageBoxes : public DesktopChecks, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxes, CloseByKeyAndAreReadAloudWithTheirText) {
    const BoxCase& box = GetParam();
    const std::vector<SeenMessage> seen = AnsweringMessages(
        [&] { windows.ShowMessage(drill::RulesWarning, box.style, u"Tavrel"); },
        box.closeBy);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].closedAsAsked);
    EXPECT_EQ(seen[0].icon, box.icon);
    EXPECT_EQ(seen[0].spokenRole, QAccessible::AlertMessage);
    EXPECT_EQ(seen[0].spokenName, "Tavrel");
    EXPECT_EQ(seen[0].spokenValue, QString::fromStdString(expected::RulesWarning));
}

INSTANTIATE_TEST_SUITE_P(
    EveryStyleByEnterAndEscape, MessageBoxes,
    ::testing::Values(BoxCase{drill::MessageStyle::Warning, CloseBy::EnterKey, QMessageBox::Warning},
                      BoxCase{drill::MessageStyle::Warning, CloseBy::EscapeKey, QMessageBox::Warning},
                      BoxCase{drill::MessageStyle::Information, CloseBy::EnterKey, QMessageBox::Information},
                      BoxCase{drill::MessageStyle::Information, CloseBy::EscapeKey, QMessageBox::Information},
                      BoxCase{drill::MessageStyle::Plain, CloseBy::EnterKey, QMessageBox::NoIcon},
                      BoxCase{drill::MessageStyle::Plain, CloseBy::EscapeKey, QMessageBox::NoIcon}));

TEST_F(DesktopChecks, EveryControlIsReadAloudByNameAndRole) {
    OpenEveryWindow();
    for (const FormLayout& layout : TestedProgram().forms) {
        QAccessibleInterface* window = Accessible(windows.Window(layout.form));
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->role(), QAccessible::Window);
        EXPECT_EQ(window->text(QAccessible::Name), ToQString(layout.caption));
        for (const ControlRow& row : layout.controls) {
            SCOPED_TRACE(Name(row.name).toStdString());
            // Empty labels are given a value first, as the drill gives them.
            if (row.kind == Kind::Label && row.caption.empty()) windows.SetCaption(layout.form, row.name, u"7");
            if (row.kind == Kind::TextBox) windows.SetText(row.name, u"Мальчик, читающий книгу, сидел.");
            QAccessibleInterface* control = Accessible(Control(layout, row));
            ASSERT_NE(control, nullptr);
            const QString name = control->text(QAccessible::Name);
            switch (row.kind) {
                case Kind::Button:
                    EXPECT_EQ(control->role(), QAccessible::Button);
                    EXPECT_EQ(name, ToQString(row.caption));
                    break;
                case Kind::Label:
                    EXPECT_EQ(control->role(), QAccessible::StaticText);
                    if (!row.caption.empty()) {
                        EXPECT_EQ(name, ToQString(row.caption));
                    } else {
                        // The value, alone or after the caption of another label of the window.
                        EXPECT_TRUE(name == "7" || std::any_of(layout.controls.begin(), layout.controls.end(), [&](const ControlRow& heading) {
                                        return !heading.caption.empty() && name == ToQString(heading.caption) + " 7";
                                    }))
                            << name.toStdString();
                    }
                    break;
                case Kind::TextBox:
                    EXPECT_EQ(control->role(), QAccessible::EditableText);
                    EXPECT_EQ(control->text(QAccessible::Value), "Мальчик, читающий книгу, сидел.");
                    break;
            }
        }
    }
}

// A desktop switching to a dark or high-contrast scheme while the program runs sets its palette on
// the application; the windows and boxes must keep their light grounds and dark default texts.
class DarkDesktop : public DesktopChecks {
protected:
    DarkDesktop() {
        QPalette dark;
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase,
                                               QPalette::Highlight, QPalette::ToolTipBase}) {
            dark.setColor(role, QColor(0x20, 0x20, 0x20));
        }
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                               QPalette::BrightText, QPalette::HighlightedText, QPalette::ToolTipText}) {
            dark.setColor(role, Qt::white);
        }
        dark.setColor(QPalette::Light, QColor(0x40, 0x40, 0x40));
        dark.setColor(QPalette::Dark, Qt::black);
        QApplication::setPalette(dark);
    }
    ~DarkDesktop() override { QApplication::setPalette(DesignPalette()); }
};

TEST_F(DarkDesktop, DefaultTextsStayBlackOnLightGroundsAndBoxesStayReadable) {
    OpenEveryWindow();  // the main window was built before the switch, the others after it
    for (const FormLayout& layout : TestedProgram().forms) {
        for (const ControlRow& row : layout.controls) {
            SCOPED_TRACE(Name(row.name).toStdString());
            const QWidget* control = Control(layout, row);
            ASSERT_NE(control, nullptr);
            const QPalette& palette = control->palette();
            const auto [text, ground] = row.kind == Kind::Button  ? std::pair{QPalette::ButtonText, QPalette::Button}
                                        : row.kind == Kind::Label ? std::pair{QPalette::WindowText, QPalette::Window}
                                                                  : std::pair{QPalette::Text, QPalette::Base};
            EXPECT_GT(palette.color(ground).lightnessF(), 0.6) << "a light ground";
            if (row.fore.isDefault) {
                EXPECT_EQ(palette.color(text), QColor(Qt::black));
            }
            if (row.kind == Kind::TextBox) {
                EXPECT_GE(Contrast(palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight)),
                          MinimumContrast(control->font()))
                    << "the selected text";
            }
        }
    }
    const std::vector<SeenMessage> seen =
        AnsweringMessages([&] { windows.ShowMessage(u"Опрос окончен.", drill::MessageStyle::Information, u"Tavrel"); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_GT(seen[0].palette.color(QPalette::Window).lightnessF(), 0.6);
    EXPECT_GE(Contrast(seen[0].palette.color(QPalette::WindowText), seen[0].palette.color(QPalette::Window)), 7.0);
    EXPECT_GE(Contrast(seen[0].palette.color(QPalette::ButtonText), seen[0].palette.color(QPalette::Button)), 7.0);
}

TEST_F(DesktopChecks, WindowsAreDrawnAtTheScreensPixelRatio) {
    OpenEveryWindow();
    const double ratio = ExpectedRatio();
    for (const FormLayout& layout : TestedProgram().forms) {
        SCOPED_TRACE(static_cast<int>(layout.form));
        QWidget* window = windows.Window(layout.form);
        ASSERT_NE(window, nullptr);
        EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), ratio);
        const QPixmap grabbed = window->grab();
        EXPECT_DOUBLE_EQ(grabbed.devicePixelRatio(), ratio);
        EXPECT_EQ(grabbed.size(), (QSizeF(window->size()) * ratio).toSize());

        // Window icons are vectors: drawn sharp at any size the desktop asks for.
        EXPECT_EQ(window->windowIcon().pixmap(QSize(256, 256), ratio).size(), QSize(256, 256) * ratio);

        if (layout.picture.empty()) continue;
        // The top-left corner shows only the picture: it must match the picture drawn directly at
        // the ratio, pixel for pixel, as a picture drawn at 1 and scaled up would not.
        const QRect corner(0, 0, 48, 48);
        for (const ControlRow& row : layout.controls) {
            ASSERT_FALSE(QRect(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height)).intersects(corner));
        }
        const QRect deviceCorner(QPoint(0, 0), corner.size() * ratio);
        QImage expected(deviceCorner.size(), QImage::Format_ARGB32_Premultiplied);
        expected.setDevicePixelRatio(ratio);
        expected.fill(window->palette().color(QPalette::Window));
        QPainter painter(&expected);
        painter.drawImage(QPointF(0, 0), DrawPicture(QString::fromUtf8(layout.picture.data(), static_cast<qsizetype>(layout.picture.size())), ratio));
        painter.end();
        const QImage shown = grabbed.toImage().copy(deviceCorner).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor a = shown.pixelColor(x, y);
                const QColor b = expected.pixelColor(x, y);
                if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 6) ++differing;
            }
        }
        // A stray edge pixel may round differently; a scaled-up picture differs on about a tenth.
        EXPECT_LE(differing, shown.width() * shown.height() / 100) << "of " << shown.width() * shown.height() << " pixels";
    }
}

TEST_F(DesktopChecks, MessageBoxIconsAreDrawnAtTheScreensPixelRatio) {
    const double ratio = ExpectedRatio();
    for (const QStyle::StandardPixmap icon : {QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxInformation}) {
        const int size = QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
        const QSize wanted = (QSizeF(size, size) * ratio).toSize();
        EXPECT_EQ(QApplication::style()->standardIcon(icon).actualSize(wanted), wanted) << "not a smaller bitmap scaled up";
    }
    const std::vector<SeenMessage> seen =
        AnsweringMessages([&] { windows.ShowMessage(u"Опрос окончен.", drill::MessageStyle::Information, u"Tavrel"); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_DOUBLE_EQ(seen[0].iconPixmap.devicePixelRatio(), ratio);
}

}  // namespace
}  // namespace drillwin::testing
