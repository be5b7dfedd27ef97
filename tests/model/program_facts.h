#pragma once
// What each program must do is written down once, apart from its code, in the program's own
// tests/facts.cpp (NAME::Facts()); these are the pieces they share.

#include "engine/comma_drill.h"
#include "engine/item_bank.h"
#include "tests/model/reference_model.h"
#include "tests/support/expected_texts.h"
#include "tests/support/recording_platform.h"

namespace model {

// The message box styles, as the programs number them.
constexpr int PlainStyle = 0;
constexpr int WarningStyle = 48;
constexpr int InformationStyle = 64;

// The bank rows as the model reads them.
std::vector<ChoiceItem> Items(const drill::ItemBank& bank);
std::vector<Sentence> Sentences(const drill::SentenceBank& bank);

// The item numbers first to last.
std::set<int> Numbers(int first, int last);

}  // namespace model
