#pragma once
// What a screen reader is given to say, made from a window's texts and its layout alone: what a
// press changed, and a window read as a whole.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace drillui {

using Phrase = std::u16string;

// The texts of a window's labels and text box, by control.
using Texts = std::map<Control, std::u16string>;
// The heading each value label is read with ("Сделано  ошибок:"): the captioned label that stands
// just before it on its row.
using Headings = std::map<Control, std::u16string>;
Headings FindHeadings(const FormLayout& layout);

// What a press changed: the texts that changed, in reading order, then the counters that changed,
// each after its heading; a text that went blank says nothing. The item label's text is the item,
// its gap said as a word.
Phrase ChangePhrase(const FormLayout& layout, const Headings& headings, const Texts& before, const Texts& now,
                    std::optional<Control> itemLabel);
// The window read as a whole: its labels and text box row by row (a blank value as "пусто"), then
// the lines printed into it.
Phrase WindowPhrase(const FormLayout& layout, const Headings& headings, const Texts& now,
                    const std::vector<std::u16string>& printed);

// A prompt with its gap said as a word: "пр_тих" reads "пр, пропуск, тих", with a pause on either
// side, where a bare "_" is read "подчёркивание" or not at all; "свеж_" reads "свеж, пропуск".
Phrase SaidWithGap(std::u16string_view prompt);

// A value label's spoken name: its heading, then its text where it has one.
std::u16string ValueName(std::u16string_view heading, std::u16string_view text);

// The text with blanks of every kind cut from either end and each run of them inside made one
// blank, as a reader hears it.
std::u16string Simplified(std::u16string_view text);

}  // namespace drillui
