// Replay driver for the fuzz targets when no libFuzzer is at hand: feeds every file of the
// seed folder given as the first argument (which must hold some), then a fixed batch of
// pseudo-random mutations of them, to LLVMFuzzerTestOneInput. A crash or a hang fails the
// test that runs it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    // A missing or empty seed folder would leave only mutations of nothing: that is a fault of
    // the set-up, not a pass.
    std::vector<std::string> seeds;
    if (argc > 1 && std::filesystem::is_directory(argv[1])) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
            std::ifstream in(entry.path(), std::ios::binary);
            seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    if (seeds.empty()) {
        std::cerr << "no seeds in " << (argc > 1 ? argv[1] : "(no folder given)") << "\n";
        return 1;
    }

    for (const auto& s : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(s.data()), s.size());

    std::mt19937 rng(20201103u);
    const int rounds = 4000;
    for (int i = 0; i < rounds; ++i) {
        std::string input = seeds[rng() % seeds.size()];
        const int edits = 1 + static_cast<int>(rng() % 8);
        for (int e = 0; e < edits; ++e) {
            const auto pos = input.empty() ? 0 : rng() % (input.size() + 1);
            switch (rng() % 4) {
            case 0: input.insert(input.begin() + pos, static_cast<char>(rng() & 0xFF)); break;
            case 1: if (pos < input.size()) input.erase(pos, 1 + rng() % 16); break;
            case 2: if (pos < input.size()) input[pos] = static_cast<char>(rng() & 0xFF); break;
            default: if (!input.empty()) input.insert(pos, input.substr(rng() % input.size(), rng() % 64)); break;
            }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    }
    std::cout << "replayed " << seeds.size() << " seeds and " << rounds << " mutations\n";
    return 0;
}
