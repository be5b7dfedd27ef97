#pragma once
// Random, reproducible sequences of what a pupil can do, the first difference between the model and
// the program under test, and shrinking a failing sequence to a short one that still fails.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/model/reference_model.h"

namespace model {

// What the pupil leaves in the text box before a press (comma drill only).
enum class EditKind : std::uint8_t { Unchanged, Corrected, Wrong, Emptied, Hostile };

struct Step {
    enum class Kind : std::uint8_t { Press, Edit, Close };
    Kind What = Kind::Press;
    Control Button = Control::Command2;   // Press
    EditKind Edit = EditKind::Unchanged;  // Edit
    std::uint8_t Variant = 0;             // Edit: which wrong or hostile text
    Form Window = Form::Form2;            // Close: the window whose close box is pressed
};

struct Sequence {
    std::uint64_t Seed = 0;
    std::vector<float> Random;  // what the random source gives, in order
    std::vector<Step> Steps;
};

// Close steps (secondary windows and the main window) only where real windows are driven.
enum class Reach { Drill, Windows };

Sequence MakeSequence(const ProgramFacts& facts, std::uint64_t seed, Reach reach);

// Random values for one draw over N items, with repeats and edge values among them.
std::vector<float> RandomScript(std::uint64_t seed, int n);

// Steps written out by hand.
Step Press(Control button);
Step Close(Form window);

// The text an edit leaves, given the sentence the model has on show.
Text EditText(const Model& model, EditKind kind, int variant);

struct Divergence {
    std::size_t Step = 0;  // index of the step after which the two differ
    std::string What;
};

struct Outcome {
    std::optional<Divergence> Failure;
    bool ReachedEnd = false;     // the round was over by the last step
    std::uint64_t Covered = 0;   // bit 8 x state + button index: each press made in each state
};

// Runs a whole sequence on the program under test beside a fresh model.
using Runner = std::function<Outcome(const Sequence&)>;

// Marks the press of this button in the model's present state.
void Cover(std::uint64_t& covered, const Model& model, Control button);

// Drops steps while the sequence still fails.
Sequence Shrink(Sequence failing, const Runner& run);

// The seed, the shortest failing sequence found (steps numbered from 1, edits with their texts)
// and the first difference it shows.
std::string FailureReport(const ProgramFacts& facts, const Sequence& failing, const Runner& run);

// One line per step.
std::string Describe(const ProgramFacts& facts, const Sequence& sequence);

// Sequence number i of a run that starts at seed s has the seed s + i.
struct RunFigures {
    std::int64_t Sequences = 0;
    std::int64_t Steps = 0;
    std::int64_t FinishedRounds = 0;  // sequences that reached the end of the round
    std::uint64_t Covered = 0;
    std::optional<std::string> Failure;
};
RunFigures CheckMany(const ProgramFacts& facts, Reach reach, const Runner& run, std::uint64_t firstSeed,
                     std::int64_t count);

// Compares two logs of platform operations; empty when they agree.
std::string LogDifference(const std::vector<std::string>& expected, const std::vector<std::string>& actual);

}  // namespace model
