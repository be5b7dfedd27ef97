#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QStyle>

#include <gtest/gtest.h>

#include "tests/support/window_testing.h"
#include "windows/design_units.h"
#include "windows/form_window.h"
#include "windows/program_windows.h"

namespace drillwin {
namespace {

using drillui::DefaultColour;
using drillui::SansSerif;

constexpr std::string_view Picture = ":/test/picture.svg";
const QString PicturePath = QString::fromLatin1(Picture.data(), Picture.size());

TEST(PictureStore, HasTheSizeOfThePictureAtEachPixelRatio) {
    const RunPicture& single = Pictures().AtRatio(PicturePath, 1.0);
    ASSERT_FALSE(single.isNull());
    EXPECT_EQ(single.size(), QSize(40, 30));
    EXPECT_EQ(single.ToImage().pixelColor(20, 15), QColor(0x20, 0x40, 0x80));

    const RunPicture& doubled = Pictures().AtRatio(PicturePath, 2.0);
    EXPECT_EQ(doubled.size(), QSize(80, 60));
    EXPECT_EQ(doubled.ToImage().pixelColor(40, 30), QColor(0x20, 0x40, 0x80));
}

TEST(PictureStore, IsDrawnOnceAndShared) {
    // A reopened window asks for its picture again: it gets the one it had, not a new drawing.
    const RunPicture& first = Pictures().AtRatio(PicturePath, 1.0);
    EXPECT_EQ(&Pictures().AtRatio(PicturePath, 1.0), &first);
    EXPECT_NE(&Pictures().AtRatio(PicturePath, 2.0), &first);
}

TEST(WindowIcon, IsOneIconForEveryWindowThatShowsIt) {
    const FormLayout layout{drill::Form::Form2, u"Правила", 600, 450, 0, 0, DefaultColour, DefaultColour,
                            SansSerif(12), Picture, Picture, true, {}};
    const FormWindow first(layout);
    const FormWindow reopened(layout);
    ASSERT_FALSE(first.windowIcon().isNull());
    EXPECT_EQ(first.windowIcon().pixmap(16).size(), QSize(16, 12)) << "the picture's shape, at the size asked for";
    EXPECT_EQ(reopened.windowIcon().cacheKey(), first.windowIcon().cacheKey());
}

TEST(ApplicationStyle, LooksUpEachStandardIconOnce) {
    // Every message box asks for its icon and its OK button's icon.
    const QStyle* style = QApplication::style();
    for (const QStyle::StandardPixmap icon : {QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxInformation,
                                              QStyle::SP_DialogOkButton}) {
        const QIcon first = style->standardIcon(icon);
        EXPECT_FALSE(first.pixmap(32).isNull()) << icon;
        EXPECT_EQ(style->standardIcon(icon).cacheKey(), first.cacheKey()) << icon;
    }
    EXPECT_NE(style->standardIcon(QStyle::SP_MessageBoxWarning).cacheKey(),
              style->standardIcon(QStyle::SP_MessageBoxInformation).cacheKey());
}

class NoDrill final : public drill::Drill {
public:
    void Press(drill::Control) override {}
    drill::DrillState State() const override { return drill::DrillState::NotStarted; }
};

TEST(ProgramWindows, EveryMessageShowsInOneBoxWithItsOwnTextTitleAndIcon) {
    static const FormLayout forms[] = {{drill::Form::Form1, u"Tavrel", 3000, 2000, 0, 0, DefaultColour, DefaultColour,
                                        SansSerif(12), {}, {}, true, {}}};
    const ProgramDescription program{forms, [](drill::Platform&) { return std::make_unique<NoDrill>(); }};
    ProgramWindows windows(program);
    windows.ShowMainWindow();
    const auto seen = testing::AnsweringMessages([&windows] {
        windows.ShowMessage(u"Первое <b>", drill::MessageStyle::Warning, u"Tavrel");
        windows.ShowMessage(u"Второе", drill::MessageStyle::Information, u"Fendrok");
        windows.ShowMessage(u"Третье", drill::MessageStyle::Plain, u"Gondila");
    });
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].text, QStringLiteral("Первое <b>"));
    EXPECT_EQ(seen[0].title, QStringLiteral("Tavrel"));
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(seen[1].text, QStringLiteral("Второе"));
    EXPECT_EQ(seen[1].title, QStringLiteral("Fendrok"));
    EXPECT_EQ(seen[1].icon, QMessageBox::Information);
    EXPECT_EQ(seen[2].text, QStringLiteral("Третье"));
    EXPECT_EQ(seen[2].title, QStringLiteral("Gondila"));
    EXPECT_EQ(seen[2].icon, QMessageBox::NoIcon);
    // Kept with the main window between messages rather than built anew for each.
    const auto boxes = windows.Window(drill::Form::Form1)->findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_FALSE(boxes.front()->isVisible());
    EXPECT_EQ(boxes.front()->textFormat(), Qt::PlainText);
}

}  // namespace
}  // namespace drillwin
