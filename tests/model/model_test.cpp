// Every program's drill against the model on many random sequences of presses and edits.
// DRILL_MODEL_SEQUENCES and DRILL_MODEL_SEED change how many sequences run and where they start.

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <iostream>

#include "engine/comma_drill.h"
#include "engine/drill_session.h"
#include "tests/model/program_facts.h"
#include "tests/model/programs_under_test.h"
#include "programs/registry.h"

namespace model {
namespace {

std::int64_t Setting(const char* name, std::int64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoll(value, nullptr, 10) : fallback;
}

// Every button of the program pressed in each of the four states.
std::uint64_t AllPairs(const ProgramFacts& facts) {
    std::uint64_t pairs = 0;
    for (int state = 0; state < 4; ++state) {
        for (int button = 0; button < 6; ++button) {
            if (facts.HasButton(static_cast<Control>(button))) pairs |= std::uint64_t{1} << (8 * state + button);
        }
    }
    return pairs;
}

void ExpectAgreement(const ProgramUnderTest& program, std::int64_t count) {
    const Runner run = [&program](const Sequence& sequence) { return RunOnDrill(program, sequence); };
    const auto seed = static_cast<std::uint64_t>(Setting("DRILL_MODEL_SEED", 1));
    const RunFigures figures = CheckMany(program.Facts, Reach::Drill, run, seed, count);
    ASSERT_FALSE(figures.Failure) << *figures.Failure << "reproduce: model_check --sequences 1 --seed "
                                  << seed + static_cast<std::uint64_t>(figures.Sequences - 1) << " " << program.Facts.Name;
    EXPECT_EQ(figures.Sequences, count);
    // The sequences must reach every state with every button, and the end of the round often.
    const std::uint64_t pairs = AllPairs(program.Facts);
    EXPECT_EQ(figures.Covered & pairs, pairs) << "state and button pairs never tried";
    EXPECT_GT(figures.FinishedRounds, count / 10);
    std::cout << program.Facts.Name << ": " << figures.Sequences << " sequences, " << figures.Steps << " steps, "
              << figures.FinishedRounds << " rounds to the end, " << std::popcount(figures.Covered & pairs)
              << " state and button pairs, no difference\n";
}

class EveryProgram : public ::testing::TestWithParam<std::string> {};

// Every program of the build: a program the model has no facts of fails here.
TEST_P(EveryProgram, AgreesWithTheModelOnRandomSequences) {
    const ProgramUnderTest* program = FindProgram(GetParam());
    ASSERT_NE(program, nullptr) << "the model has no facts of " << GetParam();
    ExpectAgreement(*program, Setting("DRILL_MODEL_SEQUENCES", 20000));
}

INSTANTIATE_TEST_SUITE_P(Programs, EveryProgram, ::testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (const auto& program : programs::All()) names.emplace_back(program.name);
                             return names;
                         }()),
                         [](const auto& info) { return info.param; });

// Banks at the edges of the sizes: one item, and a tally whose categories hold one and two items.
constexpr drill::DrillItem kOneRow[] = {{1, u"ж_лудь", u"е", u"жёлудь"}};
constexpr drill::DrillItem kThreeRows[] = {
    {1, u"ш_в", u"о", u"шов"},
    {2, u"ч_рный", u"е", u"чёрный"},
    {3, u"свеж_", u"о", u"свежо"},
};
constexpr drill::ResultCategory kTwoCategories[] = {{u"Первая:", 1, 2}, {u"Вторая:", 3, 3}};
constexpr drill::SentenceItem kTwoSentences[] = {
    {1, u"Лодка плывущая по реке качнулась.", u"Лодка, плывущая по реке, качнулась."},
    {2, u"Внимание лося привлёк звук послышавшийся сверху.", u"Внимание лося привлёк звук, послышавшийся сверху."},
};

const drill::DrillProfile kOneItem{
    .Bank = drill::ItemBank(kOneRow),
    .FirstOption = u"о",
    .SecondOption = u"е",
    .MessageTitle = u"Один",
    .EndMessage = u"Опрос окончен.",
    .WarningIcon = drill::MessageStyle::Warning,
    .EndIcon = drill::MessageStyle::Information,
};
const drill::DrillProfile kTallied{
    .Bank = drill::ItemBank(kThreeRows),
    .FirstOption = u"о",
    .SecondOption = u"е",
    .MessageTitle = u"Три",
    .EndMessage = u"Опрос окончен. Посмотрите результат.",
    .WrongAnswer = drill::WrongAnswerWrites::FullTextThenCount,
    .Categories = kTwoCategories,
};
const drill::SentenceBank kSentences(kTwoSentences);

ProgramFacts OneItemFacts() {
    ProgramFacts facts;
    facts.Name = "OneItem";
    facts.N = 1;
    facts.FirstOption = u"о";
    facts.SecondOption = u"е";
    facts.Title = u"Один";
    facts.EndMessage = u"Опрос окончен.";
    facts.WarningStyle = 48;
    facts.EndStyle = 64;
    facts.Items = Items(kOneItem.Bank);
    facts.Buttons = {"Правила", "Начало", "о", "е", "Ещё слово", "", "Выход"};
    return facts;
}

ProgramFacts TalliedFacts() {
    ProgramFacts facts = OneItemFacts();
    facts.Name = "ThreeItems";
    facts.N = 3;
    facts.Title = u"Три";
    facts.EndMessage = u"Опрос окончен. Посмотрите результат.";
    facts.WarningStyle = 0;
    facts.EndStyle = 0;
    facts.CountBeforeFullText = false;
    facts.Categories = {{1, 2, Control::Label6, Control::Label23}, {3, 3, Control::Label13, Control::Label24}};
    facts.Items = Items(kTallied.Bank);
    facts.Buttons[5] = "Результат";
    return facts;
}

ProgramFacts TwoSentencesFacts() {
    ProgramFacts facts;
    facts.Name = "TwoSentences";
    facts.Kind = Variant::Comma;
    facts.N = 2;
    facts.Title = u"Luzema";
    facts.EndMessage = u"Опрос окончен.";
    facts.WarningStyle = WarningStyle;
    facts.EndStyle = InformationStyle;
    facts.Sentences = Sentences(kSentences);
    facts.Buttons = {"Правило", "Начало", "Повтор, если текст испорчен", "Запятые расставлены", "Ещё предложение", "", "Выход"};
    return facts;
}

TEST(SmallBanks, AgreeWithTheModel) {
    ExpectAgreement({OneItemFacts(), [](drill::Platform& p) { return std::make_unique<drill::DrillSession>(kOneItem, p); }}, 5000);
    ExpectAgreement({TalliedFacts(), [](drill::Platform& p) { return std::make_unique<drill::DrillSession>(kTallied, p); }}, 5000);
    ExpectAgreement({TwoSentencesFacts(),
                     [](drill::Platform& p) { return std::make_unique<drill::CommaDrill>(kSentences, u"Luzema", p); }},
                    5000);
}

// The checks themselves must see a fault and shrink its sequence to the few steps that show it.
class Mutant final : public drill::Drill {
public:
    Mutant(std::unique_ptr<drill::Drill> inner, std::function<Control(Control)> rewire)
        : inner_(std::move(inner)), rewire_(std::move(rewire)) {}
    void Press(Control button) override { inner_->Press(rewire_(button)); }
    drill::DrillState State() const override { return inner_->State(); }

private:
    std::unique_ptr<drill::Drill> inner_;
    std::function<Control(Control)> rewire_;
};

struct MutantCase {
    const char* name;
    ProgramFacts facts;
    std::function<std::unique_ptr<drill::Drill>(drill::Platform&)> makeDrill;
    std::size_t longestShrunk;
};

TEST(FaultsAreFound, AndShrunkToAShortSequence) {
    const MutantCase cases[] = {
        {"answer buttons swapped", TalliedFacts(),
         [](drill::Platform& p) {
             return std::make_unique<Mutant>(std::make_unique<drill::DrillSession>(kTallied, p), [](Control c) {
                 return c == Control::Command3 ? Control::Command4 : c == Control::Command4 ? Control::Command3 : c;
             });
         },
         2},
        // The next button restores the sentence first, so an edited, unchecked sentence slips through.
        {"edit test bypassed", TwoSentencesFacts(),
         [](drill::Platform& p) {
             auto comma = std::make_unique<drill::CommaDrill>(kSentences, u"Luzema", p);
             struct Restoring final : drill::Drill {
                 std::unique_ptr<drill::CommaDrill> inner;
                 void Press(Control c) override {
                     if (c == Control::Command5 && inner->AnswerCount() == 0) inner->RestoreSentence();
                     inner->Press(c);
                 }
                 drill::DrillState State() const override { return inner->State(); }
             };
             auto mutant = std::make_unique<Restoring>();
             mutant->inner = std::move(comma);
             return mutant;
         },
         3},
        // "Результат" twice: the second press shows nothing.
        {"result window shown once", TalliedFacts(),
         [](drill::Platform& p) {
             auto shown = std::make_shared<bool>(false);
             return std::make_unique<Mutant>(std::make_unique<drill::DrillSession>(kTallied, p), [shown](Control c) {
                 if (c != Control::Command6) return c;
                 const bool again = *shown;
                 *shown = true;
                 return again ? Control::Label1 : c;  // a control that is no button: nothing happens
             });
         },
         2},
    };
    for (const MutantCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramUnderTest program{c.facts, c.makeDrill};
        const Runner run = [&program](const Sequence& sequence) { return RunOnDrill(program, sequence); };
        const RunFigures figures = CheckMany(program.Facts, Reach::Drill, run, 1, 2000);
        ASSERT_TRUE(figures.Failure);
        EXPECT_LT(figures.Sequences, 200) << "found late";
        // The report names the seed and lists the shrunk sequence, one numbered line per step.
        EXPECT_NE(figures.Failure->find("seed "), std::string::npos) << *figures.Failure;
        const std::string tooLong = "  " + std::to_string(c.longestShrunk + 1) + ". ";
        EXPECT_EQ(figures.Failure->find(tooLong), std::string::npos) << *figures.Failure;
        EXPECT_NE(figures.Failure->find("  1. "), std::string::npos) << *figures.Failure;
    }
}

TEST(Sequences, AreTheSameForTheSameSeed) {
    const ProgramFacts facts = TwoSentencesFacts();
    const Sequence first = MakeSequence(facts, 77, Reach::Windows);
    const Sequence again = MakeSequence(facts, 77, Reach::Windows);
    EXPECT_EQ(Describe(facts, first), Describe(facts, again));
    EXPECT_EQ(first.Random, again.Random);
    EXPECT_NE(Describe(facts, first), Describe(facts, MakeSequence(facts, 78, Reach::Windows)));
}

}  // namespace
}  // namespace model
