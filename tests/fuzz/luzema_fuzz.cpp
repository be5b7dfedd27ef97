// Fuzz target: Luzema's comma drill driven by arbitrary presses and arbitrary UTF-16 text left in the
// text box (lone surrogates, NUL, line and paragraph separators, text of any length), run beside
// the model. Any difference in the platform operations, the labels, the text box or the counters,
// or a broken invariant, aborts with a report. Built with libFuzzer as luzema_fuzz, which
// scripts/fuzz.sh runs; the corpus in tests/fuzz/corpus is replayed by the test suite.
//
// Input: the first byte picks the random values of the draw; then operations, one byte each:
//   0 "Начало"  1 "Повтор, если текст испорчен"  2 "Запятые расставлены"  3 "Ещё предложение"
//   4 "Правило"  5 the expected sentence is typed  6 the shown sentence is put back
//   7 a text follows: a length byte n, then n UTF-16 code units, two bytes each, low byte first.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "engine/comma_drill.h"
#include "programs/luzema/bank.h"
#include "tests/model/engine_runner.h"
#include "tests/model/program_facts.h"
#include "tests/support/recording_platform.h"

namespace luzema {
model::ProgramFacts Facts();  // programs/luzema/tests/facts.cpp
}

namespace {

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "Luzema differs from the model: %s\n", what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const model::ProgramFacts facts = luzema::Facts();
    if (size == 0) return 0;
    const std::vector<float> random = model::RandomScript(data[0], facts.N);
    drill::testing::RecordingPlatform platform;
    platform.randomScript.assign(random.begin(), random.end());
    drill::CommaDrill drill(luzema::Bank(), u"Luzema", platform);
    model::Model reference(facts, random);

    for (std::size_t at = 1; at < size;) {
        const int operation = data[at++] % 8;
        if (operation >= 5) {
            drill::Text text;
            if (operation == 5) {
                text = reference.ExpectedText();
            } else if (operation == 6) {
                text = reference.ShownText();
            } else {
                const std::size_t length = at < size ? data[at++] : 0;
                for (std::size_t i = 0; i < length && at + 1 < size; ++i, at += 2) {
                    text += static_cast<char16_t>(data[at] | (data[at + 1] << 8));
                }
            }
            platform.text1 = text;
            reference.Edit(std::move(text));
            continue;
        }
        constexpr drill::Control kButtons[] = {drill::Control::Command2, drill::Control::Command3, drill::Control::Command4,
                                               drill::Control::Command5, drill::Control::Command1};
        const drill::Control button = kButtons[operation];
        const std::vector<std::string> expected = reference.Press(button);
        platform.log.clear();
        drill.Press(button);
        if (const std::string difference = model::LogDifference(expected, platform.log); !difference.empty()) Fail(difference);
        if (const std::string difference = model::StateDifference(reference, platform, drill); !difference.empty()) Fail(difference);
        if (drill.ErrorCount() > facts.N) Fail("more errors than sentences");
    }
    return 0;
}
