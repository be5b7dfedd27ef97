// Replays every input of the fuzz corpus through the fuzz target: the corpus stays a regression
// test without libFuzzer.  corpus_replay DIRECTORY

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: corpus_replay DIRECTORY\n");
        return 2;
    }
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        if (!entry.is_regular_file()) continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(input.data(), input.size());
        ++replayed;
    }
    std::printf("%d inputs replayed, no difference\n", replayed);
    return replayed > 0 ? 0 : 1;
}
