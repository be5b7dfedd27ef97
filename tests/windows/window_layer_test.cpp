#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyle>

#include <gtest/gtest.h>

#include "form_window.h"

namespace drillwin {
namespace {

constexpr std::string_view Picture = ":/test/picture.svg";

TEST(RenderedPicture, HasTheSizeOfThePictureAtEachPixelRatio) {
    const QPixmap single = RenderedPicture(Picture, 1.0);
    ASSERT_FALSE(single.isNull());
    EXPECT_EQ(single.size(), QSize(40, 30));
    EXPECT_EQ(single.toImage().pixelColor(20, 15), QColor(0x20, 0x40, 0x80));

    const QPixmap doubled = RenderedPicture(Picture, 2.0);
    EXPECT_EQ(doubled.size(), QSize(80, 60));
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    EXPECT_EQ(doubled.toImage().pixelColor(40, 30), QColor(0x20, 0x40, 0x80));
}

TEST(RenderedPicture, IsRenderedOnceAndShared) {
    // A reopened window asks for its picture again: it gets the rendering it had, not a new one.
    const QPixmap first = RenderedPicture(Picture, 1.0);
    EXPECT_EQ(RenderedPicture(Picture, 1.0).cacheKey(), first.cacheKey());
    EXPECT_NE(RenderedPicture(Picture, 2.0).cacheKey(), first.cacheKey());
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

}  // namespace
}  // namespace drillwin
