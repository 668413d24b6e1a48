#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

// Identification answers picked out of what a line carries while addresses are
// asked one after another without waiting for slow devices: each byte is kept
// with the turn (the address asked last) it came in. A frame counts for the
// address it names, from first to last, when it is an identification answer
// or its exception form and its CRC holds; bytes that make no such frame are
// noise, held against their turn.
class AnswerStream {
public:
    AnswerStream(int first, int last) : first_(first), last_(last) {}

    void add(std::uint8_t byte, int turn) { bytes_.push_back({byte, turn}); }
    // The next whole answer, noise before it dropped. Nothing while what is
    // left may still grow into one, unless `ending`: then it is noise.
    std::optional<std::vector<std::uint8_t>> next(bool ending);
    // Bytes held that may be the start of an answer still coming.
    bool holding() const { return !bytes_.empty(); }
    // The addresses noise points at: the turns it came in, and the address a
    // broken answer names.
    const std::set<int>& noisyTurns() const { return noisyTurns_; }

private:
    struct Held {
        std::uint8_t byte;
        int turn;
    };
    // The length of the answer that starts at `at`; 0 for none, -1 when too
    // few bytes are there to tell.
    int lengthAt(std::size_t at) const;
    bool wholeAt(std::size_t at) const;
    void dropNoise(std::size_t count);
    std::vector<std::uint8_t> take(std::size_t length);

    int first_;
    int last_;
    std::vector<Held> bytes_;
    std::set<int> noisyTurns_;
};
