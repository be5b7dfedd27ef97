// The drill operations alone, against a platform that does nothing.

#include <benchmark/benchmark.h>

#include "engine/clock_random.h"
#include "engine/comma_drill.h"
#include "engine/drill_session.h"
#include "engine/question_order.h"

namespace {

using namespace drill;

class QuietPlatform final : public Platform {
public:
    void SetCaption(Form, Control, TextView) override {}
    Text GetText(Control) override { return textBox_; }
    void SetText(Control, TextView text) override { textBox_ = text; }
    void ShowMessage(TextView, MessageStyle, TextView) override {}
    void ShowWindow(Form) override {}
    void PlotPoint(Form, int, int) override {}
    void PrintLine(Form, TextView) override {}
    void ReseedRandom() override { random_.Reseed(); }
    float NextRandom() override { return random_.Next(); }
    void EndProgram() override {}

private:
    ClockRandom random_;
    Text textBox_;
};

std::vector<DrillItem> MakeRows(int size) {
    std::vector<DrillItem> rows;
    for (int number = 1; number <= size; ++number) rows.push_back({number, u" пр_тих", u"и", u"притих"});
    return rows;
}

void QuestionOrderDraw(benchmark::State& state) {
    QuietPlatform platform;
    const int size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QuestionOrder order(size);
        order.Draw(platform);
        benchmark::DoNotOptimize(order.Slot(size));
    }
}
BENCHMARK(QuestionOrderDraw)->Arg(23)->Arg(255);

// One whole round: start, then answer (wrong every other time) and move on N times.
void WholeRound(benchmark::State& state) {
    QuietPlatform platform;
    const std::vector<DrillItem> rows = MakeRows(static_cast<int>(state.range(0)));
    const DrillProfile profile{.Bank = ItemBank(rows), .FirstOption = u"е", .SecondOption = u"и"};
    for (auto _ : state) {
        DrillSession session(profile, platform);
        session.StartRound();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            session.AnswerItem(i % 2 ? profile.FirstOption : profile.SecondOption);
            session.NextItem();
        }
        benchmark::DoNotOptimize(session.ErrorCount());
    }
}
BENCHMARK(WholeRound)->Arg(23);

void AnswerItem(benchmark::State& state) {
    QuietPlatform platform;
    const std::vector<DrillItem> rows = MakeRows(23);
    const DrillProfile profile{.Bank = ItemBank(rows), .FirstOption = u"е", .SecondOption = u"и"};
    DrillSession session(profile, platform);
    session.StartRound();
    for (auto _ : state) session.AnswerItem(u"е");
}
BENCHMARK(AnswerItem);

void NextItemAfterTheEnd(benchmark::State& state) {
    QuietPlatform platform;
    const std::vector<DrillItem> rows = MakeRows(23);
    const DrillProfile profile{.Bank = ItemBank(rows), .FirstOption = u"е", .SecondOption = u"и"};
    DrillSession session(profile, platform);
    session.StartRound();
    for (int i = 0; i < 23; ++i) session.NextItem();
    for (auto _ : state) session.NextItem();
}
BENCHMARK(NextItemAfterTheEnd);

// A whole round with the per-category tally, and the result window at the end.
void WholeRoundWithResult(benchmark::State& state) {
    QuietPlatform platform;
    const std::vector<DrillItem> rows = MakeRows(31);
    const ResultCategory categories[] = {{u"1", 1, 7}, {u"2", 8, 14}, {u"3", 15, 21}, {u"4", 22, 27}, {u"5", 28, 31}};
    const DrillProfile profile{.Bank = ItemBank(rows), .FirstOption = u"о", .SecondOption = u"е",
                               .Categories = categories};
    for (auto _ : state) {
        DrillSession session(profile, platform);
        session.StartRound();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i % 3) session.AnswerItem(i % 2 ? profile.FirstOption : profile.SecondOption);
            session.NextItem();
        }
        session.ShowResult();
        benchmark::DoNotOptimize(session.ErrorCount());
    }
}
BENCHMARK(WholeRoundWithResult);

// A whole round of the sentence drill: every sentence checked as shown (wrong) and moved on from.
void CommaDrillWholeRound(benchmark::State& state) {
    QuietPlatform platform;
    std::vector<SentenceItem> rows;
    for (int number = 1; number <= 9; ++number) {
        rows.push_back({number, u"Дорога ведущая к дому заросла травой.", u"Дорога, ведущая к дому, заросла травой."});
    }
    const SentenceBank bank(rows);
    for (auto _ : state) {
        CommaDrill drill(bank, u"Luzema", platform);
        drill.StartRound();
        for (int i = 0; i < bank.Size(); ++i) {
            drill.CheckCommas();
            drill.NextItem();
        }
        benchmark::DoNotOptimize(drill.ErrorCount());
    }
}
BENCHMARK(CommaDrillWholeRound);

}  // namespace

BENCHMARK_MAIN();
