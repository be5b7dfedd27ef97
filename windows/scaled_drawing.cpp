#include <QDir>
#include <QFileInfo>

#include <optional>

#include "windows/picture_drawing.h"
#include "windows/picture_store.h"

namespace drillwin {

namespace {

// The stored drawing of the SVG nearest above the wanted ratio or size (the largest when none is
// above), so that it is scaled down, which keeps its edges sharp. unit is "x" or "px".
std::optional<RunPicture> NearestStored(const QString& svgPath, double wanted, QLatin1String unit) {
    const QFileInfo svg(svgPath);
    const QString prefix = svg.fileName() + QLatin1Char('@');
    std::optional<double> nearest;
    for (const QString& name : QDir(svg.path()).entryList({prefix + QLatin1Char('*') + unit})) {
        bool valid = false;
        const double value = name.mid(prefix.size(), name.size() - prefix.size() - unit.size()).toDouble(&valid);
        if (!valid) continue;
        const bool better = !nearest || (*nearest < wanted ? value > *nearest : value >= wanted && value < *nearest);
        if (better) nearest = value;
    }
    if (!nearest) return std::nullopt;
    return StoredDrawing(svg.path() + QLatin1Char('/') + prefix + QString::number(*nearest) + unit);
}

QImage Scaled(const std::optional<RunPicture>& stored, QSize size) {
    if (!stored || stored->isNull()) return {};
    return stored->ToImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QImage DrawPicture(const QString& svgPath, qreal ratio) {
    // The picture's size in logical pixels is that of its drawing at ratio 1.
    const RunPicture single = StoredDrawing(StoredPictureName(svgPath, 1));
    if (single.isNull()) return {};
    QImage picture = Scaled(NearestStored(svgPath, ratio, QLatin1String("x")), single.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QImage DrawIcon(const QString& svgPath, int size) {
    return Scaled(NearestStored(svgPath, size, QLatin1String("px")), QSize(size, size));
}

}  // namespace drillwin
