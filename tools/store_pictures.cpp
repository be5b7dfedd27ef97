// Draws a program's SVG picture or icon when the program is built, into the files its resources
// keep beside the SVG (windows/picture_store.h), or into a Windows icon file:
//   store_pictures picture SVG OUT_DIR RATIO...   writes OUT_DIR/NAME@RATIOx for each ratio
//   store_pictures icon SVG OUT_DIR SIZE...       writes OUT_DIR/NAME@SIZEpx for each size
//   store_pictures ico SVG OUT_FILE SIZE...       writes one .ico with the icon at every size

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <vector>

#include "windows/picture_drawing.h"
#include "windows/picture_store.h"

namespace {

bool Fail(const QString& path) {
    std::fprintf(stderr, "store_pictures: could not draw or write %s\n", qPrintable(path));
    return false;
}

bool Write(const QString& path, const QImage& drawing) {
    QFile file(path);
    if (drawing.isNull() || !file.open(QIODevice::WriteOnly) || file.write(drillwin::RunPicture::Encode(drawing)) < 0) {
        return Fail(path);
    }
    return true;
}

// An icon file as Windows reads it (Vista and later): a directory of the images, each a PNG.
bool WriteIco(const QString& path, const QString& svg, const std::vector<int>& sizes) {
    std::vector<QByteArray> images;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (size < 1 || size > 256 || !drillwin::DrawIcon(svg, size).save(&buffer, "PNG")) return Fail(path);
        images.push_back(png);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Fail(path);
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    constexpr quint32 DirectorySize = 6;
    constexpr quint32 EntrySize = 16;
    out << quint16{0} << quint16{1} << static_cast<quint16>(sizes.size());
    quint32 offset = DirectorySize + EntrySize * static_cast<quint32>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const auto side = static_cast<quint8>(sizes[i] == 256 ? 0 : sizes[i]);  // 0 stands for 256
        out << side << side << quint8{0} << quint8{0} << quint16{1} << quint16{32}
            << static_cast<quint32>(images[i].size()) << offset;
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images) out.writeRawData(image.constData(), static_cast<int>(image.size()));
    return out.status() == QDataStream::Ok && file.flush() ? true : Fail(path);
}

}  // namespace

int main(int argc, char* argv[]) {
    // No display is needed to draw, and the building desktop's scale must not change the drawings.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    QGuiApplication application(argc, argv);
    const char* kind = argc >= 5 ? argv[1] : "";
    if (std::strcmp(kind, "picture") != 0 && std::strcmp(kind, "icon") != 0 && std::strcmp(kind, "ico") != 0) {
        std::fprintf(stderr, "usage: store_pictures picture|icon|ico SVG OUT RATIO_OR_SIZE...\n");
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[2]);
    const QString out = QString::fromLocal8Bit(argv[3]);
    std::vector<double> values;
    for (int i = 4; i < argc; ++i) {
        bool valid = false;
        values.push_back(QString::fromLocal8Bit(argv[i]).toDouble(&valid));
        if (!valid) {
            std::fprintf(stderr, "store_pictures: not a number: %s\n", argv[i]);
            return 2;
        }
    }
    if (std::strcmp(kind, "ico") == 0) return WriteIco(out, svg, {values.begin(), values.end()}) ? 0 : 1;
    const QString stored = out + QLatin1Char('/') + QFileInfo(svg).fileName();
    for (const double value : values) {
        const bool written = std::strcmp(kind, "picture") == 0
                                 ? Write(drillwin::StoredPictureName(stored, value), drillwin::DrawPicture(svg, value))
                                 : Write(drillwin::StoredIconName(stored, static_cast<int>(value)),
                                         drillwin::DrawIcon(svg, static_cast<int>(value)));
        if (!written) return 1;
    }
    return 0;
}
