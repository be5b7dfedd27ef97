#pragma once
// The programs' SVG pictures and icons, drawn when the program is built and kept in its resources
// beside the SVG files, so that a window shows them at start-up without parsing and drawing the
// SVG (and without loading the fonts its texts are set in). The build draws them with the very
// functions below, so a stored drawing is the drawing the SVG gives on the building machine; a
// pixel ratio or icon size the build did not store is drawn from the SVG when it is asked for.

#include <QIcon>
#include <QImage>
#include <QString>

namespace drillwin {

// The SVG picture drawn at the device pixel ratio, as a window shows it behind its controls.
QImage DrawPicture(const QString& svgPath, qreal ratio);
// The SVG icon drawn at a size (device pixels), as Qt's SVG icon engine draws it.
QImage DrawIcon(const QString& svgPath, int size);

// Where the build keeps a drawing: beside the SVG, "background.svg@2x" and "icon.svg@32px".
QString StoredPictureName(const QString& svgPath, qreal ratio);
QString StoredIconName(const QString& svgPath, int size);

// A drawing in the form the build stores it: its size, whether it is opaque, and its pixels as runs
// of equal pixels, which read back at the speed of filling memory.
QByteArray ToStoredForm(const QImage& drawing);
// The drawing the build stored under a resource name; a null image when there is none or it is
// damaged. Opaque drawings come back as RGB32, others as premultiplied ARGB.
QImage StoredDrawing(const QString& resourceName);

// The picture at the ratio: the stored drawing, or else the SVG drawn now.
QImage PictureAtRatio(const QString& svgPath, qreal ratio);
// The SVG icon, which takes the stored drawings for the sizes the build stored and draws any other
// size, state or mode from the SVG.
QIcon IconWithStoredSizes(const QString& svgPath);

}  // namespace drillwin
