// The drill operations alone, against a platform that does nothing.

#include <benchmark/benchmark.h>

#include "drill_session.h"
#include "clock_random.h"
#include "question_order.h"

namespace {

using namespace drill;

class QuietPlatform final : public Platform {
public:
    void SetCaption(Form, Control, TextView) override {}
    Text GetText(Control) override { return {}; }
    void SetText(Control, TextView) override {}
    void ShowMessage(TextView, MessageStyle, TextView) override {}
    void ShowWindow(Form) override {}
    void PlotPoint(Form, int, int) override {}
    void PrintLine(Form, TextView) override {}
    void ReseedRandom() override { random_.Reseed(); }
    float NextRandom() override { return random_.Next(); }
    void EndProgram() override {}

private:
    ClockRandom random_;
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

}  // namespace

BENCHMARK_MAIN();
