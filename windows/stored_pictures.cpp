#include "windows/stored_pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace drillwin {

namespace {

// A stored drawing: this header, then the pixels row after row as runs of equal pixels, each a
// count and a pixel. The pictures are mostly flat grounds and gradients that change from row to
// row only, so a picture holds a few thousand runs that fill its pixels at the speed of memory.
struct StoredHeader {
    std::array<char, 4> mark;
    quint32 width;
    quint32 height;
    quint32 format;  // QImage::Format_RGB32 where every pixel is opaque, else premultiplied ARGB
};
struct Run {
    quint32 count;
    quint32 pixel;
};
constexpr std::array<char, 4> StoredMark = {'D', 'R', 'W', '2'};

bool Opaque(const QImage& premultiplied) {
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        if (!std::all_of(row, row + premultiplied.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; })) return false;
    }
    return true;
}

// An icon that answers the sizes the window frame asks for from the drawings the build stored; the
// SVG is parsed only when some other size, mode or state is asked for.
class StoredIconEngine final : public QIconEngine {
public:
    explicit StoredIconEngine(const QString& svgPath) : svgPath_(svgPath) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (mode == QIcon::Normal && state == QIcon::Off && size.width() == size.height()) {
            QImage stored = StoredDrawing(StoredIconName(svgPath_, size.width()));
            if (!stored.isNull()) return QPixmap::fromImage(std::move(stored));
        }
        // The size in device pixels, as this call is asked: the SVG icon drawn at ratio 1.
        return Svg().pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QIconEngine* clone() const override { return new StoredIconEngine(svgPath_); }
    QString key() const override { return QStringLiteral("drillwin-stored-svg"); }

private:
    const QIcon& Svg() {
        if (!svg_) svg_ = QIcon(svgPath_);
        return *svg_;
    }

    QString svgPath_;
    std::optional<QIcon> svg_;
};

}  // namespace

QImage DrawPicture(const QString& svgPath, qreal ratio) {
    QSvgRenderer renderer(svgPath);
    const QSize size = renderer.defaultSize();
    QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return picture;
}

QImage DrawIcon(const QString& svgPath, int size) {
    return QIcon(svgPath).pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString StoredPictureName(const QString& svgPath, qreal ratio) {
    return svgPath + QLatin1Char('@') + QString::number(ratio) + QLatin1Char('x');
}

QString StoredIconName(const QString& svgPath, int size) {
    return svgPath + QLatin1Char('@') + QString::number(size) + QLatin1String("px");
}

QByteArray ToStoredForm(const QImage& drawing) {
    QImage pixels = drawing.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // An opaque drawing is stored as such, so that a window draws it by copying rather than blending.
    if (Opaque(pixels)) pixels.reinterpretAsFormat(QImage::Format_RGB32);
    const StoredHeader header{StoredMark, static_cast<quint32>(pixels.width()), static_cast<quint32>(pixels.height()),
                              static_cast<quint32>(pixels.format())};
    QByteArray form(reinterpret_cast<const char*>(&header), sizeof header);
    Run run{0, 0};
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (run.count > 0 && row[x] != run.pixel) {
                form.append(reinterpret_cast<const char*>(&run), sizeof run);
                run.count = 0;
            }
            run.pixel = row[x];
            ++run.count;
        }
    }
    if (run.count > 0) form.append(reinterpret_cast<const char*>(&run), sizeof run);
    return form;
}

QImage StoredDrawing(const QString& resourceName) {
    const QResource resource(resourceName);
    if (!resource.isValid()) return {};
    const QByteArray form = resource.uncompressedData();
    StoredHeader header{};
    if (form.size() < qsizetype{sizeof header}) return {};
    std::memcpy(&header, form.constData(), sizeof header);
    const auto format = static_cast<QImage::Format>(header.format);
    if (header.mark != StoredMark || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)) {
        return {};
    }
    QImage drawing(static_cast<int>(header.width), static_cast<int>(header.height), format);
    if (drawing.isNull()) return {};
    // Rows follow each other without padding in a 32-bit image, so the runs fill it as one array.
    auto* pixel = reinterpret_cast<quint32*>(drawing.bits());
    const quint32* const end = pixel + qsizetype{drawing.width()} * drawing.height();
    for (qsizetype offset = sizeof header; offset + qsizetype{sizeof(Run)} <= form.size(); offset += sizeof(Run)) {
        Run run{};
        std::memcpy(&run, form.constData() + offset, sizeof run);
        if (run.count > static_cast<quint64>(end - pixel)) return {};
        pixel = std::fill_n(pixel, run.count, run.pixel);
    }
    return pixel == end ? drawing : QImage();
}

QImage PictureAtRatio(const QString& svgPath, qreal ratio) {
    QImage picture = StoredDrawing(StoredPictureName(svgPath, ratio));
    if (picture.isNull()) return DrawPicture(svgPath, ratio);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QIcon IconWithStoredSizes(const QString& svgPath) { return QIcon(new StoredIconEngine(svgPath)); }

}  // namespace drillwin
