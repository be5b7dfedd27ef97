// The drawings the build stores must be the SVG drawn now, pixel for pixel, for every picture and
// icon of every program at every ratio and size the build claims to store; what it does not store
// is drawn from the SVG; the stored form keeps every pixel and refuses a damaged form; a picture
// painted a strip at a time lands on the very pixels a whole drawing would.
// STORED_RATIOS, STORED_WINDOW_ICON_SIZES and STORED_BOX_ICON_SIZES come from the build's lists.

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "programs/registry.h"
#include "windows/design_units.h"
#include "windows/picture_drawing.h"
#include "windows/picture_store.h"

namespace drillwin {
namespace {

constexpr qreal StoredRatios[] = {STORED_RATIOS};
constexpr int StoredWindowIconSizes[] = {STORED_WINDOW_ICON_SIZES};
constexpr int StoredBoxIconSizes[] = {STORED_BOX_ICON_SIZES};

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Pixels that differ between two drawings of the same size, compared as premultiplied ARGB.
int DifferingPixels(const QImage& shown, const QImage& expected) {
    if (shown.size() != expected.size()) return -1;
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    }
    return differing;
}

struct Svg {
    QString path;
    bool icon;
    std::vector<qreal> stored;  // ratios of a picture, sizes of an icon
};

// Every SVG the programs show, with the ratios or sizes the build stores of it.
std::vector<Svg> EverySvg() {
    std::vector<Svg> svgs = {
        {QStringLiteral(":/drill/warning.svg"), true, {std::begin(StoredBoxIconSizes), std::end(StoredBoxIconSizes)}},
        {QStringLiteral(":/drill/information.svg"), true, {std::begin(StoredBoxIconSizes), std::end(StoredBoxIconSizes)}},
    };
    for (const programs::Registered& program : programs::All()) {
        for (const FormLayout& layout : program.program().forms) {
            const auto known = [&](const QString& path) {
                return std::any_of(svgs.begin(), svgs.end(), [&](const Svg& svg) { return svg.path == path; });
            };
            if (!layout.picture.empty() && !known(FromView(layout.picture))) {
                svgs.push_back({FromView(layout.picture), false, {std::begin(StoredRatios), std::end(StoredRatios)}});
            }
            if (!layout.icon.empty() && !known(FromView(layout.icon))) {
                svgs.push_back({FromView(layout.icon), true, {std::begin(StoredWindowIconSizes), std::end(StoredWindowIconSizes)}});
            }
        }
    }
    return svgs;
}

TEST(StoredDrawings, AreTheSvgDrawnNowAtEveryStoredRatioAndSize) {
    const std::vector<Svg> svgs = EverySvg();
    ASSERT_GT(svgs.size(), 2u + programs::All().size()) << "every program's picture and icon";
    for (const Svg& svg : svgs) {
        for (const qreal value : svg.stored) {
            SCOPED_TRACE(svg.path.toStdString() + " at " + std::to_string(value));
            const RunPicture stored = StoredDrawing(svg.icon ? StoredIconName(svg.path, static_cast<int>(value))
                                                             : StoredPictureName(svg.path, value));
            ASSERT_FALSE(stored.isNull()) << "the build stored no such drawing";
            const QImage drawn = svg.icon ? DrawIcon(svg.path, static_cast<int>(value)) : DrawPicture(svg.path, value);
            EXPECT_EQ(DifferingPixels(stored.ToImage(), drawn), 0);
        }
    }
}

TEST(StoredDrawings, WhatTheBuildDidNotStoreIsDrawnFromTheSvg) {
    for (const Svg& svg : EverySvg()) {
        SCOPED_TRACE(svg.path.toStdString());
        if (svg.icon) {
            ASSERT_TRUE(StoredDrawing(StoredIconName(svg.path, 24)).isNull());
            const QIcon icon = IconWithStoredSizes(svg.path);
            EXPECT_EQ(DifferingPixels(icon.pixmap(QSize(24, 24), 1.0).toImage(), DrawIcon(svg.path, 24)), 0);
        } else {
            ASSERT_TRUE(StoredDrawing(StoredPictureName(svg.path, 1.5)).isNull());
            const RunPicture& picture = Pictures().AtRatio(svg.path, 1.5);
            EXPECT_EQ(DifferingPixels(picture.ToImage(), DrawPicture(svg.path, 1.5)), 0);
        }
    }
}

TEST(StoredDrawings, AnIconGivesTheStoredSizeForTheScreensRatio) {
    for (const Svg& svg : EverySvg()) {
        if (!svg.icon) continue;
        SCOPED_TRACE(svg.path.toStdString());
        const QIcon icon = IconWithStoredSizes(svg.path);
        const int size = static_cast<int>(svg.stored.front());
        for (const qreal ratio : {1.0, 2.0}) {
            const int deviceSize = static_cast<int>(size * ratio);
            const QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
            EXPECT_EQ(DifferingPixels(pixmap.toImage(), DrawIcon(svg.path, deviceSize)), 0);
            // From the store, which keeps what it read under the drawing's name.
            QPixmap kept;
            EXPECT_TRUE(QPixmapCache::find(StoredIconName(svg.path, deviceSize), &kept)) << deviceSize << " px";
        }
    }
}

// A drawing whose every row and column differs, with opaque, translucent and clear pixels.
QImage Pattern(QSize size, bool opaque) {
    QImage pattern(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int alpha = opaque ? 255 : (x * 37 + y) % 256;
            // Runs of equal pixels along the row, as in a picture: a colour per four columns.
            pattern.setPixelColor(x, y, QColor((x / 4 * 29) % 256, (y * 7) % 256, (x / 4 + y) % 256, alpha));
        }
    }
    return pattern;
}

TEST(RunPicture, KeepsEveryPixelAndTellsAnOpaqueDrawing) {
    for (const bool opaque : {true, false}) {
        SCOPED_TRACE(opaque ? "opaque" : "translucent");
        const QImage drawing = Pattern(QSize(53, 61), opaque);
        const RunPicture picture(RunPicture::Encode(drawing));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), drawing.size());
        EXPECT_EQ(picture.format(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(DifferingPixels(picture.ToImage(), drawing), 0);
        for (const QRect area : {QRect(0, 20, 53, 7), QRect(13, 3, 17, 40), QRect(52, 60, 1, 1)}) {
            EXPECT_EQ(DifferingPixels(picture.Pixels(area), drawing.copy(area)), 0) << area.x() << "," << area.y();
        }
        EXPECT_TRUE(picture.Pixels(QRect(50, 0, 4, 1)).isNull()) << "beyond its edge";
    }
}

TEST(RunPicture, RefusesADamagedForm) {
    // Two rows of two pixels, all different: four runs of one.
    QImage square(2, 2, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 4; ++i) square.setPixel(i % 2, i / 2, qRgb(40 * i, 0, 0));
    const QByteArray good = RunPicture::Encode(square);
    ASSERT_FALSE(RunPicture(good).isNull());
    constexpr qsizetype Header = 16;
    constexpr qsizetype Run = 8;
    const auto withWord = [&](qsizetype offset, quint32 word) {
        QByteArray damaged = good;
        std::memcpy(damaged.data() + offset, &word, sizeof word);
        return damaged;
    };
    const struct {
        const char* what;
        QByteArray form;
    } damaged[] = {
        {"cut short", good.left(good.size() - 1)},
        {"one run missing", good.left(good.size() - Run)},
        {"a run too many", good + good.mid(Header, Run)},
        // Its run counts add up, so only the row's end shows that the last pixel would fall outside.
        {"the last run past its row's end", withWord(Header + 3 * Run, 2)},
        {"a run across a row's end", withWord(Header + Run, 2)},
        {"another mark", withWord(0, 0x31505244)},
        {"no width", withWord(4, 0)},
        {"a width beyond any screen", withWord(4, 1u << 20)},
        {"an unknown format", withWord(12, QImage::Format_Mono)},
        {"nothing", QByteArray()},
    };
    for (const auto& [what, form] : damaged) EXPECT_TRUE(RunPicture(form).isNull()) << what;
}

TEST(PaintPicture, StripByStripLandsOnTheDrawingsPixelsAtEveryRatio) {
    // Taller than several strips, so that the strips' edges are crossed.
    const QImage drawing = Pattern(QSize(90, 300), true);
    const RunPicture picture(RunPicture::Encode(drawing));
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        // As a paint event asks: the whole window, then a part of it, clipped to that part.
        const QSize logical = (QSizeF(drawing.size()) / ratio).toSize();
        // The whole window, a part across several strips, and one that ends just past a strip's edge.
        for (const QRect area : {QRect(QPoint(), logical), QRect(7, 31, 25, 67), QRect(7, 31, 25, 18)}) {
            QImage target(drawing.size(), QImage::Format_RGB32);
            target.setDevicePixelRatio(ratio);
            target.fill(Qt::magenta);
            QPainter painter(&target);
            painter.setClipRect(area);
            PaintPicture(painter, picture, ratio, area);
            painter.end();
            // The device pixels wholly inside the area; those it only cuts are painted as the clip rounds.
            const QPoint topLeft(static_cast<int>(std::ceil(area.left() * ratio)), static_cast<int>(std::ceil(area.top() * ratio)));
            const QPoint end(static_cast<int>(std::floor((area.right() + 1) * ratio)), static_cast<int>(std::floor((area.bottom() + 1) * ratio)));
            const QRect device = QRect(topLeft, end - QPoint(1, 1)) & QRect(QPoint(), drawing.size());
            EXPECT_EQ(DifferingPixels(target.copy(device), drawing.copy(device)), 0) << "area " << area.y() << "+" << area.height();
        }
    }
}

}  // namespace
}  // namespace drillwin
