// Starts the bare window and every program's probes many times, interleaved, and prints Markdown
// tables: a summary against the goals, then start-up to the first painted frame and peak resident
// memory against the bare window, stripped program sizes, the response of every main-window button
// over whole rounds, and what the programs do while idle after their first frame.
//   startup_bench BUILD_DIR RUNS ROUNDS PROGRAM...
// Expects BUILD_DIR/bench/bare_window, BUILD_DIR/bench/bare_round, BUILD_DIR/bench/PROGRAM_startup,
// BUILD_DIR/bench/PROGRAM_response and BUILD_DIR/programs/PROGRAM/PROGRAM. Start-up is measured on
// the offscreen platform and, when DISPLAY is set, on X11 (xcb); so are the rounds.

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/first_paint.h"

namespace {

struct Finished {
    std::string output;     // standard output and error together
    long peakResidentKiB;   // ru_maxrss of the child
    std::int64_t spawned;   // monotonic clock just before the fork
};

[[noreturn]] void Die(const std::string& message) {
    std::fprintf(stderr, "startup_bench: %s\n", message.c_str());
    std::exit(1);
}

// Runs the program to its end with QT_QPA_PLATFORM set to platform (unless empty).
Finished Run(const std::vector<std::string>& command, const std::string& platform) {
    if (platform.empty()) {
        unsetenv("QT_QPA_PLATFORM");
    } else {
        setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    }
    std::vector<char*> argv;
    for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) Die("pipe failed");
    const std::int64_t spawned = bench::MonotonicNanoseconds();
    const pid_t child = fork();
    if (child < 0) Die("fork failed");
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0) {
            output.append(buffer, static_cast<std::size_t>(got));
        } else if (errno != EINTR) {
            Die("reading the output of " + command[0] + " failed");
        }
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) Die("wait failed");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) Die(command[0] + " failed:\n" + output);
    return {output, usage.ru_maxrss, spawned};
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Worst(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

long FileSize(const std::string& path) {
    struct stat status{};
    return stat(path.c_str(), &status) == 0 ? static_cast<long>(status.st_size) : -1;
}

long StrippedSize(const std::string& binary) {
    const std::string stripped = "/tmp/startup_bench_stripped." + std::to_string(getpid());
    Run({"/usr/bin/strip", "-o", stripped, binary}, "");
    const long size = FileSize(stripped);
    unlink(stripped.c_str());
    return size;
}

// Instructions the probe executes from start to exit, as callgrind counts them.
double CountInstructions(const std::string& probe, const std::string& platform) {
    const Finished finished = Run({"/usr/bin/valgrind", "--tool=callgrind", "--child-silent-after-fork=yes",
                                   "--callgrind-out-file=/dev/null", probe},
                                  platform);
    const std::size_t found = finished.output.find("Collected : ");
    if (found == std::string::npos) Die("callgrind counted nothing:\n" + finished.output);
    return std::strtod(finished.output.c_str() + found + std::strlen("Collected : "), nullptr);
}

struct StartupSamples {
    std::vector<double> milliseconds;       // fork to the first painted frame
    std::vector<double> sinceMain;          // main() to the first painted frame
    std::vector<double> peakMiB;
};

void RecordStartup(const Finished& finished, StartupSamples& samples) {
    std::istringstream lines(finished.output);
    for (std::string word; lines >> word;) {
        if (word != "painted") continue;
        long long painted = 0, sinceMain = 0;
        lines >> painted >> sinceMain;
        samples.milliseconds.push_back(static_cast<double>(painted - finished.spawned) / 1e6);
        samples.sinceMain.push_back(static_cast<double>(sinceMain) / 1e6);
        samples.peakMiB.push_back(static_cast<double>(finished.peakResidentKiB) / 1024.0);
        return;
    }
    Die("no first paint reported:\n" + finished.output);
}

// The least and the most of a figure over the programs.
struct Range {
    double least = 0;
    double most = 0;
    bool empty = true;

    void Add(double value) {
        least = empty ? value : std::min(least, value);
        most = empty ? value : std::max(most, value);
        empty = false;
    }
};

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// "1.43–1.46", "+4.4 to +5.3 MiB": the range as the summary shows it.
std::string Span(const Range& range, const char* format, const char* joint = "–", const char* unit = "") {
    if (range.empty) return "–";
    const std::string least = Format(format, range.least);
    const std::string most = Format(format, range.most);
    return (least == most ? least : least + joint + most) + unit;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) Die("usage: startup_bench BUILD_DIR RUNS ROUNDS PROGRAM...");
    const std::string build = argv[1];
    const int runs = std::atoi(argv[2]);
    const int rounds = std::atoi(argv[3]);
    const std::vector<std::string> programs(argv + 4, argv + argc);
    if (runs < 1 || rounds < 1) Die("RUNS and ROUNDS must be whole numbers from 1 up");
    const std::string floorName = "bare window";

    std::vector<std::string> platforms = {"offscreen"};
    if (std::getenv("DISPLAY")) platforms.push_back("xcb");

    std::vector<std::string> names = {floorName};
    names.insert(names.end(), programs.begin(), programs.end());
    const auto probe = [&](const std::string& name) {
        return name == floorName ? build + "/bench/bare_window" : build + "/bench/" + name + "_startup";
    };

    // Interleaved, the order turning each run, so that a burst of load elsewhere falls on all alike.
    std::map<std::pair<std::string, std::string>, StartupSamples> startup;
    for (int run = 0; run < runs; ++run) {
        for (const std::string& platform : platforms) {
            for (std::size_t i = 0; i < names.size(); ++i) {
                const std::string& name = names[(i + static_cast<std::size_t>(run)) % names.size()];
                RecordStartup(Run({probe(name)}, platform), startup[{name, platform}]);
            }
        }
    }

    // Instructions are counted once per program and platform: unlike the clock, the count does not
    // depend on what else the machine is doing.
    const bool counting = access("/usr/bin/valgrind", X_OK) == 0;
    std::map<std::pair<std::string, std::string>, double> instructions;
    for (const std::string& platform : platforms) {
        for (const std::string& name : names) {
            if (counting) instructions[{name, platform}] = CountInstructions(probe(name), platform);
        }
    }

    // Wall-clock time is what the pupil waits; the process's processor time leaves out the waits for
    // the processor and the display server that other work on the machine causes.
    using PressTimes = std::map<std::string, std::vector<double>>;  // by button, and "all"
    std::map<std::pair<std::string, std::string>, std::pair<PressTimes, PressTimes>> response;  // wall, processor
    // What the program does while idle after its first frame: wall and processor time.
    std::map<std::pair<std::string, std::string>, std::pair<std::vector<double>, std::vector<double>>> prepared;
    // Peak memory over a whole round, with every window and the message box built, against the bare
    // window with the same libraries (bare_round): the response probes load Qt's test library.
    std::map<std::pair<std::string, std::string>, std::vector<double>> roundPeakMiB;
    std::map<std::string, std::vector<double>> bareRoundPeakMiB;
    for (int round = 0; round < rounds; ++round) {
        for (const std::string& platform : platforms) {
            const Finished bare = Run({build + "/bench/bare_round"}, platform);
            bareRoundPeakMiB[platform].push_back(static_cast<double>(bare.peakResidentKiB) / 1024.0);
        }
    }
    for (const std::string& name : programs) {
        for (const std::string& platform : platforms) {
            auto& [wall, processor] = response[{name, platform}];
            for (int round = 0; round < rounds; ++round) {
                const Finished finished = Run({build + "/bench/" + name + "_response"}, platform);
                roundPeakMiB[{name, platform}].push_back(static_cast<double>(finished.peakResidentKiB) / 1024.0);
                std::istringstream lines(finished.output);
                for (std::string word; lines >> word;) {
                    if (word == "prepared") {
                        long long wallNanoseconds = 0, processorNanoseconds = 0;
                        lines >> wallNanoseconds >> processorNanoseconds;
                        prepared[{name, platform}].first.push_back(static_cast<double>(wallNanoseconds) / 1e6);
                        prepared[{name, platform}].second.push_back(static_cast<double>(processorNanoseconds) / 1e6);
                    }
                    if (word != "press") continue;
                    std::string button;
                    long long wallNanoseconds = 0, processorNanoseconds = 0;
                    lines >> button >> wallNanoseconds >> processorNanoseconds;
                    for (const std::string& key : {button, std::string("all")}) {
                        wall[key].push_back(static_cast<double>(wallNanoseconds) / 1e6);
                        processor[key].push_back(static_cast<double>(processorNanoseconds) / 1e6);
                    }
                }
            }
        }
    }

    const auto startupRatio = [&](const std::string& name, const std::string& platform) {
        return Median(startup[{name, platform}].milliseconds) / Median(startup[{floorName, platform}].milliseconds);
    };
    const auto peakOverBare = [&](const std::string& name, const std::string& platform) {
        return Median(startup[{name, platform}].peakMiB) - Median(startup[{floorName, platform}].peakMiB);
    };
    const auto roundPeakOverBare = [&](const std::string& name, const std::string& platform) {
        return Median(roundPeakMiB[{name, platform}]) - Median(bareRoundPeakMiB[platform]);
    };

    // The summary: each figure's range over the programs, against its goal.
    std::map<std::string, Range> startupRange;  // by platform
    Range instructionRange, peakRange, roundPeakRange, worstPressRange, medianPressRange;
    for (const std::string& name : programs) {
        for (const std::string& platform : platforms) {
            startupRange[platform].Add(startupRatio(name, platform));
            if (counting) instructionRange.Add(instructions[{name, platform}] / instructions[{floorName, platform}]);
            peakRange.Add(peakOverBare(name, platform));
            roundPeakRange.Add(roundPeakOverBare(name, platform));
            const auto& [wall, processor] = response[{name, platform}];
            if (platform == "xcb") worstPressRange.Add(Worst(processor.at("all")));
        }
        // The slowest button's median, on either platform.
        double slowest = 0;
        for (const std::string& platform : platforms) {
            for (const auto& [button, times] : response[{name, platform}].first) slowest = std::max(slowest, Median(times));
        }
        medianPressRange.Add(slowest);
    }
    const auto met = [](const Range& range, double goal) { return range.empty ? "–" : range.most <= goal ? "yes" : "no"; };
    std::printf("| figure | now (range over the five programs) | goal | met? |\n|---|---|---|---|\n");
    std::printf("| start-up ×bare, offscreen | %s | ≤ 1.10 | %s |\n", Span(startupRange["offscreen"], "%.2f").c_str(),
                met(startupRange["offscreen"], 1.10));
    std::printf("| start-up ×bare, xcb (Xvfb) | %s | ≤ 1.10 | %s |\n", Span(startupRange["xcb"], "%.2f").c_str(),
                met(startupRange["xcb"], 1.10));
    std::printf("| instructions to first frame ×bare (callgrind) | %s | ≤ 1.10 | %s |\n",
                Span(instructionRange, "%.2f").c_str(), met(instructionRange, 1.10));
    std::printf("| peak RSS at first frame over bare | %s | ≤ +3 MiB | %s |\n",
                Span(peakRange, "%+.1f", " to ", " MiB").c_str(), met(peakRange, 3.0));
    std::printf("| peak RSS over a whole round over bare | %s | ≤ +6 MiB, like for like | %s |\n",
                Span(roundPeakRange, "%+.1f", " to ", " MiB").c_str(), met(roundPeakRange, 6.0));
    std::printf("| worst press, processor time, xcb | %s | ≤ 5 ms | %s |\n", Span(worstPressRange, "%.1f", "–", " ms").c_str(),
                met(worstPressRange, 5.0));
    std::printf("| median press, wall, both platforms | %s | stays ≤ 2 ms | %s |\n",
                medianPressRange.empty ? "–" : ("≤ " + Format("%.1f", medianPressRange.most) + " ms").c_str(),
                met(medianPressRange, 2.0));

    std::printf("\nStart-up: process start (fork) to the main window's first painted frame, medians of %d runs;\n"
                "instructions (callgrind) from start to exit just after that frame.\n\n", runs);
    std::printf("| program | platform | start-up (ms) | ×bare | main() to paint (ms) | peak RSS (MiB) | +bare (MiB) |"
                " instructions (M) | ×bare | stripped size (KiB) |\n|---|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const std::string& name : names) {
        const std::string binary = name == floorName ? probe(name) : build + "/programs/" + name + "/" + name;
        const double size = static_cast<double>(StrippedSize(binary)) / 1024.0;
        for (const std::string& platform : platforms) {
            const StartupSamples& samples = startup[{name, platform}];
            std::printf("| %s | %s | %.1f | %.2f | %.1f | %.1f | %+.1f |", name.c_str(), platform.c_str(),
                        Median(samples.milliseconds), startupRatio(name, platform), Median(samples.sinceMain),
                        Median(samples.peakMiB), peakOverBare(name, platform));
            if (counting) {
                const double count = instructions[{name, platform}];
                std::printf(" %.1f | %.2f |", count / 1e6, count / instructions[{floorName, platform}]);
            } else {
                std::printf(" – | – |");
            }
            std::printf(" %.0f |\n", size);
        }
    }

    const std::vector<std::string> buttons = {"Command1", "Command2", "Command3", "Command4",
                                              "Command5", "Command6", "Command7", "all"};
    for (const bool onWall : {true, false}) {
        std::printf(onWall ? "\nResponse, wall clock: click until the changed labels and every window it opens (message box, rules,\n"
                             "result) are painted; %d whole rounds each, median / worst in ms (presses).\n\n"
                           : "\nResponse, processor time of the program over the same presses: median / worst in ms; and the\n"
                             "peak memory over the round against the bare window with the same libraries (Qt's test library).\n\n",
                    rounds);
        std::printf("| program | platform |");
        for (const std::string& button : buttons) std::printf(" %s |", button == "all" ? "all presses" : button.c_str());
        if (!onWall) std::printf(" peak RSS (MiB) | +bare (MiB) |");
        std::printf("\n|---|---|");
        for (std::size_t i = 0; i < buttons.size() + (onWall ? 0 : 2); ++i) std::printf("---:|");
        std::printf("\n");
        for (const auto& [program, times] : response) {
            const PressTimes& presses = onWall ? times.first : times.second;
            std::printf("| %s | %s |", program.first.c_str(), program.second.c_str());
            for (const std::string& button : buttons) {
                const auto found = presses.find(button);
                if (found == presses.end()) {
                    std::printf(" – |");
                } else if (onWall) {
                    std::printf(" %.2f / %.2f (%zu) |", Median(found->second), Worst(found->second), found->second.size());
                } else {
                    std::printf(" %.2f / %.2f |", Median(found->second), Worst(found->second));
                }
            }
            if (!onWall) {
                std::printf(" %.1f | %+.1f |", Median(roundPeakMiB[program]), roundPeakOverBare(program.first, program.second));
            }
            std::printf("\n");
        }
    }

    std::printf("\nWhile idle after the first frame: the secondary windows built hidden (the first of each painted off\n"
                "screen), the message box built with its icons and painted off screen, the fonts of the empty labels\n"
                "loaded; from the first frame until done, median / worst in ms of %d rounds (the probe waits for it\n"
                "before the first press, as the pupil's reading does).\n\n"
                "| program | platform | wall | processor |\n|---|---|---:|---:|\n", rounds);
    for (const auto& [program, times] : prepared) {
        std::printf("| %s | %s | %.1f / %.1f | %.1f / %.1f |\n", program.first.c_str(), program.second.c_str(),
                    Median(times.first), Worst(times.first), Median(times.second), Worst(times.second));
    }
    return 0;
}
