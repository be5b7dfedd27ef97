#include "windows/picture_store.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QResource>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <utility>

#include "windows/picture_drawing.h"

namespace drillwin {

namespace {

// A stored drawing: this header, then each row of pixels, top to bottom, as runs of equal pixels
// from left to right, each a count and a pixel.
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
constexpr std::array<char, 4> StoredMark = {'D', 'R', 'W', '3'};
// Large enough for any window picture at any ratio, small enough that a damaged size cannot ask for
// an image larger than memory.
constexpr quint32 LargestSide = 16384;

Run RunAt(const QByteArray& form, qsizetype offset) {
    Run run{};
    std::memcpy(&run, form.constData() + offset, sizeof run);
    return run;
}

bool Opaque(const QImage& premultiplied) {
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        if (!std::all_of(row, row + premultiplied.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; })) return false;
    }
    return true;
}

// An icon that answers the sizes the window frame asks for from the drawings the build stored, and
// draws any other size when it is first asked for. Every mode and state shows the same drawing: the
// icons are window and message box icons, never shown disabled or selected.
class StoredIconEngine final : public QIconEngine {
public:
    explicit StoredIconEngine(const QString& svgPath) : svgPath_(svgPath) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The icons are square; a frame that asks for another shape gets the square that fits.
        const int side = std::min(size.width(), size.height());
        // Kept as the SVG engine keeps its drawings: an X11 window frame asks for its sizes again at
        // every showing of a window.
        const QString name = StoredIconName(svgPath_, side);
        QPixmap pixmap;
        if (QPixmapCache::find(name, &pixmap)) return pixmap;
        const RunPicture stored = StoredDrawing(name);
        pixmap = QPixmap::fromImage(stored.isNull() ? DrawIcon(svgPath_, side) : stored.ToImage());
        QPixmapCache::insert(name, pixmap);
        return pixmap;
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
    QString svgPath_;
};

}  // namespace

QString StoredPictureName(const QString& svgPath, qreal ratio) {
    return svgPath + QLatin1Char('@') + QString::number(ratio) + QLatin1Char('x');
}

QString StoredIconName(const QString& svgPath, int size) {
    return svgPath + QLatin1Char('@') + QString::number(size) + QLatin1String("px");
}

RunPicture::RunPicture(const QByteArray& form) {
    StoredHeader header{};
    if (form.size() < qsizetype{sizeof header}) return;
    std::memcpy(&header, form.constData(), sizeof header);
    const auto format = static_cast<QImage::Format>(header.format);
    if (header.mark != StoredMark || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        header.width == 0 || header.height == 0 || header.width > LargestSide || header.height > LargestSide) {
        return;
    }
    std::vector<qsizetype> rowStarts;
    rowStarts.reserve(header.height + 1);
    qsizetype offset = sizeof header;
    for (quint32 row = 0; row < header.height; ++row) {
        rowStarts.push_back(offset);
        // Each row's runs fill exactly its width.
        for (quint64 filled = 0; filled < header.width; offset += sizeof(Run)) {
            if (offset + qsizetype{sizeof(Run)} > form.size()) return;
            const Run run = RunAt(form, offset);
            filled += run.count;
            if (filled > header.width) return;
        }
    }
    if (offset != form.size()) return;
    rowStarts.push_back(offset);
    form_ = form;
    size_ = QSize(static_cast<int>(header.width), static_cast<int>(header.height));
    format_ = format;
    rowStarts_ = std::move(rowStarts);
}

QByteArray RunPicture::Encode(const QImage& drawing) {
    QImage pixels = drawing.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (Opaque(pixels)) pixels.reinterpretAsFormat(QImage::Format_RGB32);
    const StoredHeader header{StoredMark, static_cast<quint32>(pixels.width()), static_cast<quint32>(pixels.height()),
                              static_cast<quint32>(pixels.format())};
    QByteArray form(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(pixels.constScanLine(y));
        for (const quint32* start = row; start != row + pixels.width();) {
            const quint32 pixel = *start;
            const quint32* end = std::find_if(start, row + pixels.width(), [pixel](quint32 other) { return other != pixel; });
            const Run run{static_cast<quint32>(end - start), pixel};
            form.append(reinterpret_cast<const char*>(&run), sizeof run);
            start = end;
        }
    }
    return form;
}

QImage RunPicture::Pixels(const QRect& area) const {
    if (isNull() || area.isEmpty() || !QRect(QPoint(), size_).contains(area)) return {};
    QImage pixels(area.size(), format_);
    for (int y = 0; y < area.height(); ++y) {
        auto* pixel = reinterpret_cast<quint32*>(pixels.scanLine(y));
        // The runs of the row, skipped up to the area's left edge and cut at its right edge.
        int x = 0;
        for (qsizetype offset = rowStarts_[area.top() + y]; offset < rowStarts_[area.top() + y + 1] && x <= area.right();
             offset += sizeof(Run)) {
            const Run run = RunAt(form_, offset);
            const int start = std::max(x, area.left());
            x += static_cast<int>(run.count);
            const int end = std::min(x, area.right() + 1);
            if (start < end) pixel = std::fill_n(pixel, end - start, run.pixel);
        }
    }
    return pixels;
}

RunPicture StoredDrawing(const QString& resourceName) {
    const QResource resource(resourceName);
    if (!resource.isValid()) return {};
    // The build stores the drawings uncompressed: they are read where they lie in the program.
    if (resource.compressionAlgorithm() != QResource::NoCompression) return RunPicture(resource.uncompressedData());
    return RunPicture(QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size()));
}

const RunPicture& PictureStore::AtRatio(const QString& svgPath, qreal ratio) {
    const auto key = std::pair(svgPath, ratio);
    if (const auto found = pictures_.find(key); found != pictures_.end()) return found->second;
    RunPicture picture = StoredDrawing(StoredPictureName(svgPath, ratio));
    if (picture.isNull()) picture = RunPicture(RunPicture::Encode(DrawPicture(svgPath, ratio)));
    ClearWhenTheApplicationEnds();
    return pictures_.emplace(key, std::move(picture)).first->second;
}

QIcon PictureStore::WindowIcon(std::string_view path) {
    const QString resource = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    if (const auto found = icons_.find(resource); found != icons_.end()) return found->second;
    ClearWhenTheApplicationEnds();
    return icons_.emplace(resource, IconWithStoredSizes(resource)).first->second;
}

void PictureStore::ClearWhenTheApplicationEnds() {
    // Once for each application that fills the store: an application's end runs its routines once.
    if (pictures_.empty() && icons_.empty()) qAddPostRoutine([] { Pictures().Clear(); });
}

void PictureStore::Clear() {
    pictures_.clear();
    icons_.clear();
}

PictureStore& Pictures() {
    static PictureStore store;
    return store;
}

void PaintPicture(QPainter& painter, const RunPicture& picture, qreal ratio, const QRect& area) {
    // Few strips to a window, and each a small image even at the widest window and ratio.
    constexpr int StripRows = 48;
    if (picture.isNull()) return;
    // Every device pixel the area touches.
    const QRect device = QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio).toAlignedRect() &
                         QRect(QPoint(), picture.size());
    for (int top = device.top(); top <= device.bottom(); top += StripRows) {
        QImage strip = picture.Pixels(QRect(device.left(), top, device.width(), std::min(StripRows, device.bottom() + 1 - top)));
        strip.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(device.left(), top) / ratio, strip);
    }
}

QIcon IconWithStoredSizes(const QString& svgPath) { return QIcon(new StoredIconEngine(svgPath)); }

}  // namespace drillwin
