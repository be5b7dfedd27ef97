#pragma once
// Drawing a program's SVG picture or icon now, at a pixel ratio or size. Where the program links
// Qt's SVG module (svg_drawing.cpp) the SVG itself is drawn: that is what the build stores, and what
// a program draws for a ratio the build did not store. Without it (scaled_drawing.cpp) the nearest
// stored drawing is scaled, so the build stores every ratio such a system's screens commonly have.

#include <QImage>
#include <QString>

namespace drillwin {

// The picture at the device pixel ratio, as a window shows it behind its controls.
QImage DrawPicture(const QString& svgPath, qreal ratio);
// The icon at a size in device pixels, as Qt's SVG icon engine draws it.
QImage DrawIcon(const QString& svgPath, int size);

}  // namespace drillwin
