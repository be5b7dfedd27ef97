#pragma once
// What a screen reader is given to say, made from a window's texts and its layout alone: what a
// press changed, and a window read as a whole.

#include <QString>
#include <QStringList>

#include <map>

#include "windows/layout.h"

namespace drillwin {

// The texts of a window's labels and text box, by control.
using Texts = std::map<Control, QString>;
// The heading each value label is read with ("Сделано  ошибок:"): the captioned label that stands
// just before it on its row.
using Headings = std::map<Control, QString>;
Headings FindHeadings(const FormLayout& layout);

// What a press changed: the texts that changed, in reading order (a prompt's gap said as a word),
// then the counters that changed, each after its heading; a text that went blank says nothing.
QString ChangePhrase(const FormLayout& layout, const Headings& headings, const Texts& before, const Texts& now);
// The window read as a whole: its labels and text box row by row (a blank value as "пусто"), then
// the lines printed into it.
QString WindowPhrase(const FormLayout& layout, const Headings& headings, const Texts& now, const QStringList& printed);

// A prompt with its gap said as a word: "пр_тих" reads "пр, пропуск, тих", with a pause on either
// side, where a bare "_" is read "подчёркивание" or not at all; "свеж_" reads "свеж, пропуск".
QString SaidWithGap(const QString& prompt);

}  // namespace drillwin
