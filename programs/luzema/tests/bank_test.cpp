// Luzema's rows as its table gives them, beyond what every sentence bank obeys
// (tests/model/bank_test.cpp): the commas must stand where the table puts them.

#include "programs/luzema/bank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "tests/support/recording_platform.h"

namespace luzema {
namespace {

using drill::TextView;
using drill::testing::Utf8;

struct RowFacts {
    int number;
    std::size_t shownLength;
    std::size_t expectedLength;
    std::vector<std::string> wordsBeforeCommas;
    int yoCount;  // how many ё the sentence writes
};

void PrintTo(const RowFacts& row, std::ostream* out) { *out << "row " << row.number; }

// Lengths as the bank's table lists them; the words after which the commas stand, read off the table.
const RowFacts kFacts[] = {
    {1, 95, 97, {"Лодка", "сапёров"}, 2},
    {2, 57, 59, {"тяготам", "Алексея"}, 0},
    {3, 80, 81, {"зажигалку"}, 1},
    {4, 83, 85, {"Сорока", "клюв"}, 0},
    {5, 79, 80, {"морда"}, 0},
    {6, 76, 78, {"ветлы", "небо"}, 1},
    {7, 95, 97, {"ноздри", "дыхания"}, 0},
    {8, 48, 49, {"звук"}, 1},
    {9, 80, 82, {"разведчика", "пехоте"}, 0},
};

bool IsCyrillicLetter(char16_t c) { return (c >= u'А' && c <= u'я') || c == u'ё' || c == u'Ё'; }

// The word that ends just before each comma.
std::vector<std::string> WordsBeforeCommas(TextView text) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u',') continue;
        std::size_t start = i;
        while (start > 0 && IsCyrillicLetter(text[start - 1])) --start;
        words.push_back(Utf8(text.substr(start, i - start)));
    }
    return words;
}

class BankRow : public ::testing::TestWithParam<RowFacts> {};

TEST_P(BankRow, MatchesTheTable) {
    const RowFacts& facts = GetParam();
    const drill::SentenceItem& row = Bank().Row(facts.number);
    EXPECT_EQ(row.ShownText.size(), facts.shownLength);
    EXPECT_EQ(row.ExpectedText.size(), facts.expectedLength);
    EXPECT_EQ(WordsBeforeCommas(row.ExpectedText), facts.wordsBeforeCommas);
    EXPECT_EQ(std::count(row.ShownText.begin(), row.ShownText.end(), u'ё'), facts.yoCount);
    EXPECT_EQ(std::count(row.ExpectedText.begin(), row.ExpectedText.end(), u'ё'), facts.yoCount);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, BankRow, ::testing::ValuesIn(kFacts),
                         [](const auto& info) { return "Row" + std::to_string(info.param.number); });

}  // namespace
}  // namespace luzema
