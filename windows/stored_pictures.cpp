#include "windows/stored_pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QSvgRenderer>

#include <array>
#include <cstring>
#include <memory>
#include <optional>

namespace drillwin {

namespace {

// What precedes the pixels of a stored drawing. Sixteen bytes keep the rows as aligned as the
// decompressed buffer is.
struct StoredHeader {
    std::array<char, 4> mark;
    quint32 width;
    quint32 height;
    quint32 unused;
};
constexpr std::array<char, 4> StoredMark = {'D', 'R', 'W', '1'};
constexpr int BytesPerPixel = 4;  // premultiplied ARGB, one 32-bit word per pixel

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
    const QImage pixels = drawing.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const StoredHeader header{StoredMark, static_cast<quint32>(pixels.width()), static_cast<quint32>(pixels.height()), 0};
    QByteArray form(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = 0; y < pixels.height(); ++y) {
        form.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), qsizetype{pixels.width()} * BytesPerPixel);
    }
    return form;
}

QImage StoredDrawing(const QString& resourceName) {
    const QResource resource(resourceName);
    if (!resource.isValid()) return {};
    // The image draws straight from the decompressed bytes and lets go of them with its last copy.
    auto bytes = std::make_unique<QByteArray>(resource.uncompressedData());
    StoredHeader header{};
    if (bytes->size() < qsizetype{sizeof header}) return {};
    std::memcpy(&header, bytes->constData(), sizeof header);
    const qsizetype pixelBytes = qsizetype{header.width} * header.height * BytesPerPixel;
    if (header.mark != StoredMark || bytes->size() != qsizetype{sizeof header} + pixelBytes) return {};
    uchar* pixels = reinterpret_cast<uchar*>(bytes->data()) + sizeof header;
    const auto width = static_cast<int>(header.width);
    return QImage(pixels, width, static_cast<int>(header.height), width * BytesPerPixel, QImage::Format_ARGB32_Premultiplied,
                  [](void* owner) { delete static_cast<QByteArray*>(owner); }, bytes.release());
}

QImage PictureAtRatio(const QString& svgPath, qreal ratio) {
    QImage picture = StoredDrawing(StoredPictureName(svgPath, ratio));
    if (picture.isNull()) return DrawPicture(svgPath, ratio);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QIcon IconWithStoredSizes(const QString& svgPath) { return QIcon(new StoredIconEngine(svgPath)); }

}  // namespace drillwin
