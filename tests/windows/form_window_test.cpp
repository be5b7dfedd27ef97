#include <QPixmap>

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

}  // namespace
}  // namespace drillwin
