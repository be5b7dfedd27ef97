// Without Qt's SVG module a ratio or size the build did not store is the nearest stored drawing
// above it, scaled down (the largest when none is above), at the size the SVG would have there.

#include <gtest/gtest.h>

#include "windows/picture_drawing.h"
#include "windows/picture_store.h"

namespace drillwin {
namespace {

const QString Background = QStringLiteral(":/tavrel/background.svg");
const QString Icon = QStringLiteral(":/tavrel/icon.svg");

QImage ScaledFrom(const QString& storedName, QSize size) {
    const RunPicture stored = StoredDrawing(storedName);
    EXPECT_FALSE(stored.isNull()) << qPrintable(storedName);
    return stored.ToImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

TEST(ScaledDrawing, TakesTheNearestStoredDrawingAbove) {
    // Tavrel's picture is 707 by 488 pixels at ratio 1.
    const QImage picture = DrawPicture(Background, 1.1);
    EXPECT_EQ(picture.size(), QSize(778, 537));
    EXPECT_EQ(picture.devicePixelRatio(), 1.1);
    EXPECT_EQ(picture, ScaledFrom(Background + QStringLiteral("@1.25x"), QSize(778, 537)));
    EXPECT_NE(picture, ScaledFrom(Background + QStringLiteral("@1x"), QSize(778, 537)));

    EXPECT_EQ(DrawIcon(Icon, 17), ScaledFrom(Icon + QStringLiteral("@20px"), QSize(17, 17)));
}

TEST(ScaledDrawing, TakesTheLargestBeyondTheStoredOnes) {
    EXPECT_EQ(DrawPicture(Background, 4), ScaledFrom(Background + QStringLiteral("@3x"), QSize(2828, 1952)));
    EXPECT_EQ(DrawIcon(Icon, 300), ScaledFrom(Icon + QStringLiteral("@256px"), QSize(300, 300)));
}

TEST(ScaledDrawing, IsNullWithoutAStoredDrawing) {
    EXPECT_TRUE(DrawPicture(QStringLiteral(":/tavrel/none.svg"), 1.5).isNull());
    EXPECT_TRUE(DrawIcon(QStringLiteral(":/tavrel/none.svg"), 24).isNull());
}

}  // namespace
}  // namespace drillwin
