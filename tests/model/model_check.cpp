// The long run of the model check, outside the test suite:
//   model_check [--sequences N] [--seed S] [program ...]
// runs N sequences per program (all programs when none is named) and prints the figures; on a
// difference it prints the seed and the shortest failing sequence and exits with 1.
//   model_check --list
// names the programs it knows, one a line.

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "tests/model/programs_under_test.h"

int main(int argc, char* argv[]) {
    std::int64_t count = 1000000;
    std::uint64_t seed = 1;
    std::vector<const model::ProgramUnderTest*> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--list") {
            for (const model::ProgramUnderTest& program : model::ProgramsUnderTest()) std::cout << program.Facts.Name << "\n";
            return 0;
        }
        if (argument == "--sequences" && i + 1 < argc) {
            count = std::strtoll(argv[++i], nullptr, 10);
        } else if (argument == "--seed" && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (const model::ProgramUnderTest* program = model::FindProgram(argument)) {
            chosen.push_back(program);
        } else {
            std::cerr << "usage: model_check [--sequences N] [--seed S] [program ...]\n";
            return 2;
        }
    }
    if (chosen.empty()) {
        for (const model::ProgramUnderTest& program : model::ProgramsUnderTest()) chosen.push_back(&program);
    }
    int status = 0;
    for (const model::ProgramUnderTest* program : chosen) {
        const auto start = std::chrono::steady_clock::now();
        const model::Runner run = [program](const model::Sequence& s) { return model::RunOnDrill(*program, s); };
        const model::RunFigures figures = model::CheckMany(program->Facts, model::Reach::Drill, run, seed, count);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::cout << program->Facts.Name << ": " << figures.Sequences << " sequences from seed " << seed << ", "
                  << figures.Steps << " steps, " << figures.FinishedRounds << " rounds to the end, "
                  << took.count() << " s" << (figures.Failure ? "" : ", no difference") << "\n";
        if (figures.Failure) {
            std::cout << *figures.Failure << "reproduce: model_check --sequences 1 --seed "
                      << seed + static_cast<std::uint64_t>(figures.Sequences - 1) << " " << program->Facts.Name << "\n";
            status = 1;
        }
    }
    return status;
}
