#include "engine/question_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "tests/support/recording_platform.h"

namespace drill {
namespace {

using testing::RecordingPlatform;

std::vector<int> Slots(const QuestionOrder& order) {
    std::vector<int> slots;
    for (int p = 1; p <= order.Size(); ++p) slots.push_back(order.Slot(p));
    return slots;
}

TEST(QuestionOrder, SlotsHoldZeroUntilDrawn) {
    const QuestionOrder order(23);
    EXPECT_EQ(Slots(order), std::vector<int>(23, 0));
}

TEST(QuestionOrder, EveryDrawIsAPermutationForEverySize) {
    for (const int size : {1, 2, 9, 18, 20, 23, 31, 255}) {
        for (int run = 0; run < 20; ++run) {
            RecordingPlatform platform;
            QuestionOrder order(size);
            order.Draw(platform);
            std::vector<int> sorted = Slots(order);
            std::sort(sorted.begin(), sorted.end());
            std::vector<int> expected(static_cast<std::size_t>(size));
            std::iota(expected.begin(), expected.end(), 1);
            ASSERT_EQ(sorted, expected) << "size " << size;
        }
    }
}

TEST(QuestionOrder, ReseedsOnceBeforeTheFirstValue) {
    RecordingPlatform platform;
    QuestionOrder order(23);
    order.Draw(platform);
    EXPECT_EQ(platform.log, std::vector<std::string>{"reseed"});
    EXPECT_GE(platform.randomCalls, 23);
}

TEST(QuestionOrder, RetriesRepeatedValuesUntilAnUnusedNumberComes) {
    RecordingPlatform platform;
    // 0.5 gives 2; three more 0.5 are rejected, 0.0 gives 1, 0.1 (1 again) is rejected, 0.9 gives 3.
    platform.randomScript = {0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.1f, 0.9f};
    QuestionOrder order(3);
    order.Draw(platform);
    EXPECT_EQ(Slots(order), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(platform.randomCalls, 7);
}

TEST(QuestionOrder, SizeOneGivesTheOnlyOrder) {
    RecordingPlatform platform;
    platform.randomScript = {0.7f};
    QuestionOrder order(1);
    order.Draw(platform);
    EXPECT_EQ(Slots(order), std::vector<int>{1});
}

TEST(QuestionOrder, CandidateStaysWithinOneToN) {
    const float justBelowOne = std::nextafter(1.0f, 0.0f);
    for (const int size : {1, 9, 18, 20, 23, 31, 255}) {
        EXPECT_EQ(Candidate(0.0f, size), 1) << size;
        EXPECT_EQ(Candidate(justBelowOne, size), size) << size;
    }
    // The boundary between two candidates: r = k/N gives k + 1.
    EXPECT_EQ(Candidate(0.5f, 2), 2);
    EXPECT_EQ(Candidate(std::nextafter(0.5f, 0.0f), 2), 1);
}

TEST(QuestionOrder, ScriptedOrderIsFollowed) {
    RecordingPlatform platform;
    platform.ScriptOrder({5, 3, 1, 4, 2}, 5);
    QuestionOrder order(5);
    order.Draw(platform);
    EXPECT_EQ(Slots(order), (std::vector<int>{5, 3, 1, 4, 2}));
}

}  // namespace
}  // namespace drill
