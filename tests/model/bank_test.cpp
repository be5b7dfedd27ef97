// The rules every bank obeys, on every program of the build, and the rows each program's facts
// (tests/facts.cpp) say it must hold. The model takes the rows from the programs, so a slip in a row
// is found here or nowhere.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/drill_session.h"
#include "tests/model/programs_under_test.h"
#include "tests/support/recording_platform.h"

namespace model {
namespace {

using drill::testing::Utf8;

bool IsSmallCyrillic(char16_t c) { return (c >= u'а' && c <= u'я') || c == u'ё'; }
bool IsCapitalCyrillic(char16_t c) { return (c >= u'А' && c <= u'Я') || c == u'Ё'; }
bool IsCyrillic(char16_t c) { return IsSmallCyrillic(c) || IsCapitalCyrillic(c); }

// What the pupil is shown of each row: the prompt, or the sentence without its commas.
std::vector<std::pair<int, Text>> ShownRows(const ProgramFacts& facts) {
    std::vector<std::pair<int, Text>> rows;
    for (const ChoiceItem& item : facts.Items) rows.emplace_back(item.Number, item.Prompt);
    for (const Sentence& sentence : facts.Sentences) rows.emplace_back(sentence.Number, sentence.ShownText);
    return rows;
}

class EveryBank : public ::testing::TestWithParam<const ProgramUnderTest*> {
protected:
    const ProgramFacts& facts = GetParam()->Facts;
};

TEST_P(EveryBank, IsNumberedOneToNWithoutGaps) {
    const auto rows = ShownRows(facts);
    ASSERT_EQ(static_cast<int>(rows.size()), facts.N);
    for (int k = 1; k <= facts.N; ++k) EXPECT_EQ(rows[static_cast<std::size_t>(k - 1)].first, k);
}

// The windows and the checks find the row on show by what it shows.
TEST_P(EveryBank, ShowsEachRowByATextOfItsOwn) {
    std::set<Text> texts;
    for (const auto& [number, text] : ShownRows(facts)) EXPECT_TRUE(texts.insert(text).second) << "row " << number;
}

TEST_P(EveryBank, WritesYoInTheRowsTheFactsName) {
    std::set<int> withYo;
    for (const auto& [number, text] : ShownRows(facts)) {
        if (text.find(u'ё') != Text::npos) withYo.insert(number);
    }
    EXPECT_EQ(withYo, facts.Bank.WrittenWithYo);
}

INSTANTIATE_TEST_SUITE_P(Programs, EveryBank, ::testing::ValuesIn(Programs()), ProgramName());

class ChoiceBank : public EveryBank {
protected:
    // The program's profile: the session keeps a reference to it, and it outlives the session.
    const drill::DrillProfile& Profile() const {
        drill::testing::RecordingPlatform platform;
        const auto drill = GetParam()->MakeDrill(platform);
        return dynamic_cast<const drill::DrillSession&>(*drill).Profile();
    }
    // The prompt without the leading blank its row is written with.
    Text Word(const ChoiceItem& item) const {
        const bool lead = facts.Bank.LeadingBlank.contains(item.Number);
        EXPECT_EQ(item.Prompt.starts_with(u' '), lead) << "a leading blank on row " << item.Number;
        return lead && !item.Prompt.empty() ? item.Prompt.substr(1) : item.Prompt;
    }
};

TEST_P(ChoiceBank, FullTextIsThePromptWithTheAnswerInItsOneGap) {
    const drill::DrillProfile& profile = Profile();
    for (const ChoiceItem& item : facts.Items) {
        SCOPED_TRACE("row " + std::to_string(item.Number) + " " + Utf8(item.Prompt));
        Text filled = Word(item);
        ASSERT_EQ(std::count(filled.begin(), filled.end(), u'_'), 1);
        EXPECT_EQ(item.FullText.find(u'_'), Text::npos);
        EXPECT_TRUE(item.CorrectOption == profile.FirstOption || item.CorrectOption == profile.SecondOption);
        const bool yo = facts.Bank.YoInGap.contains(item.Number);
        if (yo) {
            EXPECT_EQ(Utf8(item.CorrectOption), "е") << "ё is answered with е";
        }
        filled.replace(filled.find(u'_'), 1, yo ? Text(u"ё") : item.CorrectOption);
        EXPECT_EQ(Utf8(item.FullText), Utf8(filled));
    }
}

// Latin look-alikes (o, e, a) or a stray blank would show and compare wrongly.
TEST_P(ChoiceBank, TextsAreSmallCyrillicWordsOneBlankApart) {
    for (const ChoiceItem& item : facts.Items) {
        const Text prompt = Word(item);
        std::vector<Text> texts = {prompt, item.FullText};
        if (facts.Bank.Hinted.contains(item.Number)) {
            // The hint closes both texts alike: "пр_творить (дверь)", "притворить (дверь)".
            const std::size_t hint = prompt.rfind(u" (");
            ASSERT_NE(hint, Text::npos) << "no hint on row " << item.Number;
            ASSERT_TRUE(prompt.ends_with(u')')) << "row " << item.Number;
            ASSERT_TRUE(item.FullText.ends_with(prompt.substr(hint))) << "row " << item.Number;
            texts = {prompt.substr(0, hint), item.FullText.substr(0, item.FullText.size() - (prompt.size() - hint)),
                     prompt.substr(hint + 2, prompt.size() - hint - 3)};
        }
        for (const Text& text : texts) {
            SCOPED_TRACE("row " + std::to_string(item.Number) + ": «" + Utf8(text) + "»");
            ASSERT_FALSE(text.empty());
            EXPECT_NE(text.front(), u' ');
            EXPECT_NE(text.back(), u' ');
            EXPECT_EQ(text.find(u"  "), Text::npos);
            for (const char16_t c : text) {
                EXPECT_TRUE(IsSmallCyrillic(c) || c == u'_' || (facts.Bank.Phrases && c == u' '))
                    << "character U+" << std::hex << static_cast<int>(c);
            }
        }
    }
}

TEST_P(ChoiceBank, TheFirstOptionAnswersTheRowsTheFactsName) {
    std::set<int> first;
    for (const ChoiceItem& item : facts.Items) {
        if (item.CorrectOption == facts.FirstOption) first.insert(item.Number);
    }
    EXPECT_EQ(first, facts.Bank.FirstOptionRows);
}

TEST_P(ChoiceBank, RowsReadAsTheFactsSay) {
    for (const ChoiceItem& expected : facts.Bank.Rows) {
        ASSERT_LE(expected.Number, static_cast<int>(facts.Items.size()));
        const ChoiceItem& row = facts.Items[static_cast<std::size_t>(expected.Number - 1)];
        EXPECT_EQ(Utf8(row.Prompt), Utf8(expected.Prompt)) << "row " << expected.Number;
        EXPECT_EQ(Utf8(row.CorrectOption), Utf8(expected.CorrectOption)) << "row " << expected.Number;
        EXPECT_EQ(Utf8(row.FullText), Utf8(expected.FullText)) << "row " << expected.Number;
    }
}

TEST_P(ChoiceBank, CategoriesCoverTheBankInOrder) {
    const auto categories = Profile().Categories;
    ASSERT_EQ(categories.size(), facts.Categories.size());
    int next = 1;
    for (std::size_t k = 0; k < categories.size(); ++k) {
        EXPECT_EQ(categories[k].FirstNumber, next);
        EXPECT_EQ(categories[k].FirstNumber, facts.Categories[k].First);
        EXPECT_EQ(categories[k].LastNumber, facts.Categories[k].Last);
        next = categories[k].LastNumber + 1;
    }
    if (!categories.empty()) {
        EXPECT_EQ(next, facts.N + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, ChoiceBank, ::testing::ValuesIn(Programs(Variant::Choice)), ProgramName());

class SentenceBank : public EveryBank {};

TEST_P(SentenceBank, TheExpectedSentenceIsTheShownOneWithCommas) {
    for (const Sentence& row : facts.Sentences) {
        SCOPED_TRACE("row " + std::to_string(row.Number));
        Text withoutCommas = row.ExpectedText;
        std::erase(withoutCommas, u',');
        EXPECT_EQ(Utf8(withoutCommas), Utf8(row.ShownText));
        EXPECT_EQ(row.ShownText.find(u','), Text::npos);
        EXPECT_NE(row.ShownText, row.ExpectedText);
    }
    std::set<Text> expected;
    for (const Sentence& row : facts.Sentences) EXPECT_TRUE(expected.insert(row.ExpectedText).second) << "row " << row.Number;
}

TEST_P(SentenceBank, SentencesAreCyrillicWordsWithCommasAndAFullStop) {
    for (const Sentence& row : facts.Sentences) {
        for (const Text& text : {row.ShownText, row.ExpectedText}) {
            SCOPED_TRACE("row " + std::to_string(row.Number) + ": " + Utf8(text));
            ASSERT_FALSE(text.empty());
            EXPECT_TRUE(IsCapitalCyrillic(text.front()));
            EXPECT_EQ(text.back(), u'.');
            EXPECT_EQ(text.find(u"  "), Text::npos);
            for (std::size_t i = 0; i < text.size(); ++i) {
                const char16_t c = text[i];
                EXPECT_TRUE(IsCyrillic(c) || c == u' ' || c == u',' || (c == u'.' && i + 1 == text.size()))
                    << "character " << i;
                if (c == u',') {
                    // Directly after a word, followed by the blank that already stood there.
                    EXPECT_TRUE(i > 0 && IsCyrillic(text[i - 1])) << "comma at " << i;
                    EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == u' ') << "comma at " << i;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, SentenceBank, ::testing::ValuesIn(Programs(Variant::Comma)), ProgramName());

}  // namespace
}  // namespace model
