// Runs a fuzz target without libFuzzer, so every test build can exercise it under its own sanitizers:
// each seed as it is, then random mutations of the seeds (no coverage feedback) until the time is up.
//
//     replay_<name> <seconds> <corpus folder>...
//
// The random sequence is fixed, so a failure repeats; the input that failed is written to
// "<name>-failure.bin" in the working folder before the sanitizer ends the process.
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Only a sanitizer runtime has it: weak, so that builds without sanitizers link and run the seeds too.
extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)());

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMaxInput = 64 * 1024;

Bytes current;
std::string failurePath;

void saveCurrentInput() {
    std::ofstream out(failurePath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(current.data()), static_cast<std::streamsize>(current.size()));
}

// A target's own checks abort, which the sanitizers leave alone.
void onAbort(int) {
    saveCurrentInput();
    std::signal(SIGABRT, SIG_DFL);
    std::raise(SIGABRT);
}

void run(const Bytes& input) {
    current = input;
    LLVMFuzzerTestOneInput(current.data(), current.size());
}

// Fragments that open and close nesting or end texts early tend to reach the interesting paths.
const std::vector<std::string> kTokens = {"[",       "]",        "{",
                                          "}",       "\"",       "\\u0000",
                                          "<array>", "</array>", "<dict>",
                                          "<key>",   "</dict>",  "&#0;",
                                          "%",       "://",      "99999999999999999999",
                                          "-",       "e",        ".",
                                          ";",       "=",        std::string(1, '\0'),
                                          "\xC3",    "\xFF"};

Bytes mutate(const std::vector<Bytes>& seeds, std::mt19937& random) {
    auto pick = [&](std::size_t n) { return n == 0 ? std::size_t{0} : std::size_t(random() % n); };
    Bytes out = seeds[pick(seeds.size())];
    const int steps = 1 + static_cast<int>(random() % 4);
    for (int step = 0; step < steps; ++step) {
        switch (random() % 6) {
            case 0:  // flip a byte
                if (!out.empty()) out[pick(out.size())] ^= static_cast<std::uint8_t>(1u << (random() % 8));
                break;
            case 1:  // insert a random byte
                out.insert(out.begin() + static_cast<long>(pick(out.size() + 1)),
                           static_cast<std::uint8_t>(random()));
                break;
            case 2: {  // delete a range
                if (out.empty()) break;
                const std::size_t at = pick(out.size());
                const std::size_t n = 1 + pick(std::min<std::size_t>(out.size() - at, 32));
                out.erase(out.begin() + static_cast<long>(at), out.begin() + static_cast<long>(at + n));
                break;
            }
            case 3: {  // insert a token
                const std::string& token = kTokens[pick(kTokens.size())];
                out.insert(out.begin() + static_cast<long>(pick(out.size() + 1)), token.begin(), token.end());
                break;
            }
            case 4: {  // repeat a range
                if (out.empty()) break;
                const std::size_t at = pick(out.size());
                const std::size_t n = 1 + pick(std::min<std::size_t>(out.size() - at, 64));
                const Bytes range(out.begin() + static_cast<long>(at),
                                  out.begin() + static_cast<long>(at + n));
                for (int times = 1 + static_cast<int>(random() % 8); times > 0 && out.size() < kMaxInput;
                     --times)
                    out.insert(out.begin() + static_cast<long>(at), range.begin(), range.end());
                break;
            }
            default: {  // splice with another seed
                const Bytes& other = seeds[pick(seeds.size())];
                out.resize(pick(out.size() + 1));
                out.insert(out.end(), other.begin() + static_cast<long>(pick(other.size() + 1)), other.end());
            }
        }
    }
    if (out.size() > kMaxInput) out.resize(kMaxInput);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <seconds> <corpus folder>...\n", argv[0]);
        return 2;
    }
    const double seconds = std::stod(argv[1]);
    failurePath = std::filesystem::path(argv[0]).filename().string() + "-failure.bin";
    if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(saveCurrentInput);
    std::signal(SIGABRT, onAbort);

    std::vector<Bytes> seeds;
    for (int i = 2; i < argc; ++i) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i], ec)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    if (seeds.empty()) seeds.emplace_back();
    for (const Bytes& seed : seeds) run(seed);

    std::mt19937 random(20261207);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long runs = 0;
    while (std::chrono::steady_clock::now() < end) {
        run(mutate(seeds, random));
        ++runs;
    }
    std::printf("%zu seeds, %ld mutated inputs\n", seeds.size(), runs);
    return 0;
}
