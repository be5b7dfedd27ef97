#pragma once
// The engine's UTF-16 texts in Qt's terms and back, code unit for code unit: whatever a text box
// held (lone surrogates included) comes back unchanged.

#include <QString>

#include <string_view>

#include "engine/platform.h"

namespace drillwin {

inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline drill::Text ToText(const QString& text) {
    return drill::Text(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

}  // namespace drillwin
