// A small mutation driver for the fuzz targets where libFuzzer is not at hand
// (g++ builds). It takes the same arguments as libFuzzer's -max_total_time,
// -runs and -seed, and seed files or folders. Every seed runs once, then mutated
// copies of them until the time or the run count is used up. Without coverage
// feedback it finds less than libFuzzer, but it runs every target under the
// sanitizers in every CI run. An input that crashes the target is written to
// fuzz-crash.bin in the current folder before the process dies.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Input = std::vector<std::uint8_t>;

const Input* current = nullptr;

void saveCurrentAndDie(int signal) {
    if (current != nullptr) {
        const int fd = ::open("fuzz-crash.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            [[maybe_unused]] const auto written = ::write(fd, current->data(), current->size());
            ::close(fd);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void addSeed(const std::filesystem::path& path, std::vector<Input>& seeds) {
    std::ifstream in(path, std::ios::binary);
    seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void addSeeds(const std::string& arg, std::vector<Input>& seeds) {
    std::error_code error;
    if (std::filesystem::is_directory(arg, error)) {
        for (const auto& entry : std::filesystem::directory_iterator(arg, error))
            if (entry.is_regular_file())
                addSeed(entry.path(), seeds);
    } else if (std::filesystem::is_regular_file(arg, error)) {
        addSeed(arg, seeds);
    }
}

// Values that often sit on a boundary of a length, count or bit field.
constexpr std::uint8_t kInteresting[] = {0,  1,  2,  3,  4,  5,   8,   13,  16,  31,
                                         32, 60, 61, 63, 64, 127, 128, 249, 250, 255};

void mutate(Input& in, const std::vector<Input>& seeds, std::mt19937& rng) {
    auto pick = [&rng](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    const int steps = 1 + static_cast<int>(pick(4));
    for (int s = 0; s < steps; ++s) {
        const std::size_t at = in.empty() ? 0 : pick(in.size());
        switch (pick(7)) {
        case 0:
            if (!in.empty())
                in[at] ^= static_cast<std::uint8_t>(1u << pick(8));
            break;
        case 1:
            if (!in.empty())
                in[at] = static_cast<std::uint8_t>(pick(256));
            break;
        case 2:
            if (!in.empty())
                in[at] = kInteresting[pick(std::size(kInteresting))];
            break;
        case 3:
            in.insert(in.begin() + static_cast<std::ptrdiff_t>(at),
                      static_cast<std::uint8_t>(pick(256)));
            break;
        case 4:
            if (!in.empty())
                in.erase(in.begin() + static_cast<std::ptrdiff_t>(at),
                         in.begin() +
                             static_cast<std::ptrdiff_t>(std::min(in.size(), at + 1 + pick(8))));
            break;
        case 5:
            in.resize(pick(in.size() + 2));
            break;
        default: {
            const Input& other = seeds[pick(seeds.size())];
            if (!other.empty() && !in.empty()) {
                const std::size_t from = pick(other.size());
                const std::size_t count = std::min(other.size() - from, in.size() - at);
                std::copy_n(other.begin() + static_cast<std::ptrdiff_t>(from), count,
                            in.begin() + static_cast<std::ptrdiff_t>(at));
            }
        }
        }
    }
}

long long optionValue(const char* arg, const char* name, long long fallback) {
    const std::size_t n = std::strlen(name);
    return std::strncmp(arg, name, n) == 0 ? std::atoll(arg + n) : fallback;
}

} // namespace

int main(int argc, char** argv) {
    long long seconds = 10, runs = -1, seed = 1;
    std::vector<Input> seeds;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') {
            seconds = optionValue(argv[i], "-max_total_time=", seconds);
            runs = optionValue(argv[i], "-runs=", runs);
            seed = optionValue(argv[i], "-seed=", seed);
        } else {
            addSeeds(argv[i], seeds);
        }
    }
    if (seeds.empty())
        seeds.emplace_back();
    for (int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(sig, saveCurrentAndDie);

    std::mt19937 rng(static_cast<std::mt19937::result_type>(seed));
    const auto start = std::chrono::steady_clock::now();
    const auto limit = start + std::chrono::seconds(seconds);
    long long done = 0;
    Input in;
    for (std::size_t i = 0; i < seeds.size() && (runs < 0 || done < runs); ++i, ++done) {
        current = &seeds[i];
        LLVMFuzzerTestOneInput(seeds[i].data(), seeds[i].size());
    }
    while ((runs < 0 || done < runs) &&
           ((done & 63) != 0 || std::chrono::steady_clock::now() < limit)) {
        in = seeds[std::uniform_int_distribution<std::size_t>(0, seeds.size() - 1)(rng)];
        mutate(in, seeds, rng);
        current = &in;
        LLVMFuzzerTestOneInput(in.data(), in.size());
        ++done;
    }
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("Done %lld runs in %.1f s (%.0f/s) from %zu seeds; no crash\n", done, took,
                took > 0 ? static_cast<double>(done) / took : 0.0, seeds.size());
    return 0;
}
