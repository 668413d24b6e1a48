#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

struct SimReply;

// The faults a chaotic line mixes into the simulator's answers.
enum class ChaosFault {
    Silence,       // no answer
    OneByte,       // the first byte only
    ShortBody,     // the last byte missing
    BadCrc,        // a wrong CRC
    WrongFunction, // a function byte that belongs to no request
    Exception,     // an exception answer instead of the data
    Late,          // the whole answer after the header time-out
    Garbage,       // stray bytes before the answer
    Split,         // the answer in pieces with short gaps
    StrayByte,     // one stray byte before the answer, as from noise on the line
    LongSplit,     // the answer in two pieces 200 ms apart, past the gap a read allows
};
inline constexpr int kChaosFaultCount = 11;

// vil3k-sim --chaos SEED[:RATE]: each answer, with probability RATE, suffers
// one fault drawn evenly from the kinds given (every kind unless told). The
// draws follow the seed, so a run can be repeated.
class SimChaos {
public:
    SimChaos(std::uint32_t seed, double rate, std::vector<ChaosFault> kinds = AllKinds())
        : rng_(seed), rate_(rate), kinds_(std::move(kinds)) {}
    static std::vector<ChaosFault> AllKinds();

    // The answer as the line carries it: the pieces, each after its delay from
    // the one before; nothing for silence.
    std::vector<SimReply> deliver(std::vector<std::uint8_t> answer);

    int answers() const { return answers_; }
    int faults() const;
    const std::array<int, kChaosFaultCount>& injected() const { return injected_; }
    static const char* name(ChaosFault fault);
    // "answers 600, faults 180: silence 20, one-byte 21, ..."
    std::string report() const;

private:
    int draw(int below);
    std::vector<SimReply> inject(ChaosFault fault, std::vector<std::uint8_t> answer);

    std::mt19937 rng_;
    double rate_;
    std::vector<ChaosFault> kinds_;
    int answers_ = 0;
    std::array<int, kChaosFaultCount> injected_{};
};
