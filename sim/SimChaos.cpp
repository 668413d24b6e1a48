#include "sim/SimChaos.h"

#include "link/Frames.h"
#include "sim/SimulatedDevice.h"

namespace {

// Past the programmer's header time-out of 1000 + 3 * 100 ms.
constexpr int kLateMs = 1700;
// Gaps between pieces stay under the 100 ms the line waits between two bytes.
constexpr int kLongestGapMs = 60;
// A gap that ends the programmer's read of the first piece.
constexpr int kLongSplitGapMs = 200;

// Pops instead of resizing: GCC 12 with the sanitizers warns falsely on resize.
void replaceCrc(std::vector<std::uint8_t>& frame) {
    frame.pop_back();
    frame.pop_back();
    AppendCrc(frame);
}

} // namespace

std::vector<ChaosFault> SimChaos::AllKinds() {
    std::vector<ChaosFault> kinds;
    for (int k = 0; k < kChaosFaultCount; ++k)
        kinds.push_back(static_cast<ChaosFault>(k));
    return kinds;
}

int SimChaos::draw(int below) {
    return std::uniform_int_distribution<int>(0, below - 1)(rng_);
}

std::vector<SimReply> SimChaos::deliver(std::vector<std::uint8_t> answer) {
    ++answers_;
    if (answer.size() < 5 || std::uniform_real_distribution<double>(0, 1)(rng_) >= rate_)
        return {SimReply{answer, 0}};
    const ChaosFault fault =
        kinds_[static_cast<std::size_t>(draw(static_cast<int>(kinds_.size())))];
    ++injected_[static_cast<std::size_t>(fault)];
    return inject(fault, std::move(answer));
}

std::vector<SimReply> SimChaos::inject(ChaosFault fault, std::vector<std::uint8_t> answer) {
    switch (fault) {
    case ChaosFault::Silence:
        return {};
    case ChaosFault::OneByte:
        answer.resize(1);
        break;
    case ChaosFault::ShortBody:
        answer.pop_back();
        break;
    case ChaosFault::BadCrc:
        answer.back() ^= static_cast<std::uint8_t>(1 + draw(255));
        break;
    case ChaosFault::WrongFunction:
        answer[1] ^= 0x20;
        replaceCrc(answer);
        break;
    case ChaosFault::Exception:
        answer = {answer[0], static_cast<std::uint8_t>(answer[1] | kExceptionBit),
                  static_cast<std::uint8_t>(1 + draw(4))};
        AppendCrc(answer);
        break;
    case ChaosFault::Late:
        return {SimReply{answer, kLateMs}};
    case ChaosFault::Garbage: {
        std::vector<std::uint8_t> stray(static_cast<std::size_t>(1 + draw(4)));
        for (std::uint8_t& b : stray)
            b = static_cast<std::uint8_t>(draw(256));
        answer.insert(answer.begin(), stray.begin(), stray.end());
        break;
    }
    case ChaosFault::StrayByte:
        answer.insert(answer.begin(), static_cast<std::uint8_t>(draw(256)));
        break;
    case ChaosFault::LongSplit: {
        const auto at = answer.begin() + 1 + draw(static_cast<int>(answer.size()) - 1);
        return {SimReply{{answer.begin(), at}, 0}, SimReply{{at, answer.end()}, kLongSplitGapMs}};
    }
    case ChaosFault::Split: {
        // The first piece always stops short, so there are at least two.
        const int length = static_cast<int>(answer.size());
        std::vector<SimReply> pieces;
        std::size_t at = 0;
        while (at < answer.size()) {
            const auto size = static_cast<std::size_t>(1 + draw(at == 0 ? length - 1 : length));
            const std::size_t end = std::min(answer.size(), at + size);
            pieces.push_back({{answer.begin() + static_cast<std::ptrdiff_t>(at),
                               answer.begin() + static_cast<std::ptrdiff_t>(end)},
                              at == 0 ? 0 : 1 + draw(kLongestGapMs)});
            at = end;
        }
        return pieces;
    }
    }
    return {SimReply{answer, 0}};
}

int SimChaos::faults() const {
    int sum = 0;
    for (int n : injected_)
        sum += n;
    return sum;
}

const char* SimChaos::name(ChaosFault fault) {
    static const char* const names[kChaosFaultCount] = {
        "silence", "one-byte", "short-body", "bad-crc",    "wrong-function", "exception",
        "late",    "garbage",  "split",      "stray-byte", "long-split"};
    return names[static_cast<int>(fault)];
}

std::string SimChaos::report() const {
    std::string text =
        "answers " + std::to_string(answers_) + ", faults " + std::to_string(faults()) + ":";
    for (int k = 0; k < kChaosFaultCount; ++k)
        text += std::string(k == 0 ? " " : ", ") + name(static_cast<ChaosFault>(k)) + " " +
                std::to_string(injected_[static_cast<std::size_t>(k)]);
    return text;
}
