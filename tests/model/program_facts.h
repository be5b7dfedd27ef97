#pragma once
// What each program must do, written down once more for the model: numbers, option values, texts,
// icons, categories and the result window's labels. Only the bank rows are taken from the programs.

#include "engine/comma_drill.h"
#include "engine/item_bank.h"
#include "tests/model/reference_model.h"

namespace model {

ProgramFacts TavrelFacts(const drill::ItemBank& bank);
ProgramFacts GondilaFacts(const drill::ItemBank& bank);
ProgramFacts MirskavFacts(const drill::ItemBank& bank);
ProgramFacts FendrokFacts(const drill::ItemBank& bank);
ProgramFacts LuzemaFacts(const drill::SentenceBank& bank);

std::vector<ChoiceItem> Items(const drill::ItemBank& bank);
std::vector<Sentence> Sentences(const drill::SentenceBank& bank);

}  // namespace model
