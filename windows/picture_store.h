#pragma once
// The programs' SVG pictures and icons, drawn when the program is built and kept in its resources
// beside the SVG files, so that a window shows them at start-up without parsing and drawing the
// SVG (and without loading the fonts its texts are set in). The build draws them with the very
// functions of picture_drawing.h, so a stored drawing is the drawing the SVG gives on the building
// machine; a pixel ratio or icon size the build did not store is drawn when it is asked for.

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

#include <map>
#include <string_view>
#include <utility>
#include <vector>

class QPainter;

namespace drillwin {

// Where the build keeps a drawing: beside the SVG, "background.svg@2x" and "icon.svg@32px".
QString StoredPictureName(const QString& svgPath, qreal ratio);
QString StoredIconName(const QString& svgPath, int size);

// A drawing kept as the build stores it: its size, whether it is opaque, and each row of pixels as
// runs of equal pixels. The pictures are flat grounds and gradients that change from row to row, so
// a picture is a few thousand runs, which a window paints from without ever holding its pixels.
class RunPicture {
public:
    RunPicture() = default;
    // Reads a stored form; a null picture when the form is damaged. The bytes are used where they
    // lie: a resource's stay in the program's own image and take no memory of their own.
    explicit RunPicture(const QByteArray& form);
    // The stored form of a drawing.
    static QByteArray Encode(const QImage& drawing);

    bool isNull() const { return rowStarts_.empty(); }
    QSize size() const { return size_; }  // device pixels
    // RGB32 where every pixel is opaque, so that it is drawn by copying; else premultiplied ARGB.
    QImage::Format format() const { return format_; }
    // The pixels within area (device pixels, inside the picture) decoded into an image of its size.
    QImage Pixels(const QRect& area) const;
    QImage ToImage() const { return Pixels(QRect(QPoint(), size_)); }

private:
    QByteArray form_;
    QSize size_;
    QImage::Format format_ = QImage::Format_Invalid;
    std::vector<qsizetype> rowStarts_;  // where each row's runs start in form_, and where the last ends
};

// The drawing the build stored under a resource name; a null picture when there is none.
RunPicture StoredDrawing(const QString& resourceName);

// The one owner of what the windows keep of their pictures for the whole run: each picture at each
// pixel ratio (read or drawn once, however often the pupil closes and reopens a window that shows
// it), and each window icon (so that the sizes the window frame asks for are drawn once, not for
// every window and every reopening). Let go of when the application ends, while the platform that
// drew them is still there.
class PictureStore {
public:
    // The picture at the ratio: the stored drawing, or else one drawn now (picture_drawing.h).
    const RunPicture& AtRatio(const QString& svgPath, qreal ratio);
    // The icon at a Qt resource path, with the sizes the build stored.
    QIcon WindowIcon(std::string_view path);
    void Clear();

private:
    void ClearWhenTheApplicationEnds();

    std::map<std::pair<QString, qreal>, RunPicture> pictures_;
    std::map<QString, QIcon> icons_;
};

PictureStore& Pictures();

// Paints the part of the picture that the area (logical pixels) covers, placed at the top left, a
// strip of the area's rows at a time, so that no more than a strip of its pixels is ever held.
void PaintPicture(QPainter& painter, const RunPicture& picture, qreal ratio, const QRect& area);

// The SVG icon, which takes the stored drawings for the sizes the build stored and draws any other
// size when it is asked for (picture_drawing.h).
QIcon IconWithStoredSizes(const QString& svgPath);

}  // namespace drillwin
