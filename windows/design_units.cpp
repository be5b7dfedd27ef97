#include "windows/design_units.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace drillwin {

const QPalette& DesignPalette() {
    static const QPalette palette = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion->standardPalette();
    }();
    return palette;
}

QString ResolveFamily(std::string_view family) {
    // The list of installed faces, not hasFamily: that runs fontconfig's substitution rules for each
    // name asked, to answer what the list already says.
    static const QStringList installed = [] {
        const auto has = [](const QStringList& families, const char* family) {
            return families.contains(QLatin1String(family), Qt::CaseInsensitive);
        };
        QStringList families = QFontDatabase::families();
        // Where a design face and its stand-in are both missing (on Windows the stand-ins are not
        // installed), the stand-ins shipped with the programs in their fonts folder.
        if ((!has(families, "MS Sans Serif") && !has(families, "Liberation Sans")) ||
            (!has(families, "Times New Roman") && !has(families, "Liberation Serif"))) {
            const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
            for (const QString& file : shipped.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
                QFontDatabase::addApplicationFont(shipped.filePath(file));
            }
            families = QFontDatabase::families();
        }
        return families;
    }();
    static const bool hasSansSerif = installed.contains(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive);
    static const bool hasTimes = installed.contains(QStringLiteral("Times New Roman"), Qt::CaseInsensitive);
    if (family == "MS Sans Serif") return hasSansSerif ? QStringLiteral("MS Sans Serif") : QStringLiteral("Liberation Sans");
    if (family == "Times New Roman") return hasTimes ? QStringLiteral("Times New Roman") : QStringLiteral("Liberation Serif");
    return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
}

QFont MakeFont(const Font& font, const Font& windowFont) {
    const Font& chosen = font.family.empty() ? windowFont : font;
    QFont qfont(ResolveFamily(chosen.family));
    // Pixel sizes keep the twips layouts fitting whatever the screen's logical DPI.
    qfont.setPixelSize(PixelSize(chosen.points));
    qfont.setBold(chosen.bold);
    qfont.setItalic(chosen.italic);
    qfont.setUnderline(chosen.underline);
    return qfont;
}

QColor MakeColour(Colour colour, const QColor& fallback) {
    if (colour.isDefault) return fallback;
    const drillui::Rgb rgb = drillui::ToRgb(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace drillwin
