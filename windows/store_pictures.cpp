// Draws a program's SVG picture or icon when the program is built, into the files its resources
// keep beside the SVG (windows/stored_pictures.h):
//   store_pictures picture SVG OUT_DIR RATIO...   writes OUT_DIR/NAME@RATIOx for each ratio
//   store_pictures icon SVG OUT_DIR SIZE...       writes OUT_DIR/NAME@SIZEpx for each size

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

#include "windows/stored_pictures.h"

namespace {

bool Write(const QString& path, const QImage& drawing) {
    QFile file(path);
    if (drawing.isNull() || !file.open(QIODevice::WriteOnly) || file.write(drillwin::RunPicture::Encode(drawing)) < 0) {
        std::fprintf(stderr, "store_pictures: could not draw or write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // No display is needed to draw, and the building desktop's scale must not change the drawings.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    QGuiApplication application(argc, argv);
    const bool picture = argc >= 5 && std::strcmp(argv[1], "picture") == 0;
    const bool icon = argc >= 5 && std::strcmp(argv[1], "icon") == 0;
    if (!picture && !icon) {
        std::fprintf(stderr, "usage: store_pictures picture|icon SVG OUT_DIR RATIO_OR_SIZE...\n");
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[2]);
    const QString stored = QString::fromLocal8Bit(argv[3]) + QLatin1Char('/') + QFileInfo(svg).fileName();
    for (int i = 4; i < argc; ++i) {
        bool valid = false;
        const QString value = QString::fromLocal8Bit(argv[i]);
        if (picture) {
            const double ratio = value.toDouble(&valid);
            if (!valid || !Write(drillwin::StoredPictureName(stored, ratio), drillwin::DrawPicture(svg, ratio))) return 1;
        } else {
            const int size = value.toInt(&valid);
            if (!valid || !Write(drillwin::StoredIconName(stored, size), drillwin::DrawIcon(svg, size))) return 1;
        }
    }
    return 0;
}
