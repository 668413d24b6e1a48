#include "line/AnswerStream.h"

#include "link/Frames.h"

namespace {

constexpr std::uint8_t kIdentifyException = kFnIdentify | kExceptionBit;

} // namespace

int AnswerStream::lengthAt(std::size_t at) const {
    if (bytes_.size() < at + kHeaderSize)
        return -1;
    const int address = bytes_[at].byte;
    if (address < first_ || address > last_)
        return 0;
    if (bytes_[at + 1].byte == kFnIdentify)
        return bytes_[at + 2].byte + 5;
    return bytes_[at + 1].byte == kIdentifyException ? 5 : 0;
}

bool AnswerStream::wholeAt(std::size_t at) const {
    const int length = lengthAt(at);
    if (length <= 0 || bytes_.size() < at + static_cast<std::size_t>(length))
        return false;
    std::vector<std::uint8_t> frame;
    for (int i = 0; i < length; ++i)
        frame.push_back(bytes_[at + static_cast<std::size_t>(i)].byte);
    return ResponseCrcOk(frame.data(), length);
}

void AnswerStream::dropNoise(std::size_t count) {
    // A broken answer that still names its address points there too: a slow
    // device's answer comes in another's turn.
    if (lengthAt(0) > 0)
        noisyTurns_.insert(bytes_[0].byte);
    for (std::size_t i = 0; i < count; ++i)
        noisyTurns_.insert(bytes_[i].turn);
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(count));
}

std::vector<std::uint8_t> AnswerStream::take(std::size_t length) {
    std::vector<std::uint8_t> frame;
    for (std::size_t i = 0; i < length; ++i)
        frame.push_back(bytes_[i].byte);
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(length));
    return frame;
}

std::optional<std::vector<std::uint8_t>> AnswerStream::next(bool ending) {
    while (!bytes_.empty()) {
        if (wholeAt(0))
            return take(static_cast<std::size_t>(lengthAt(0)));
        const int length = lengthAt(0);
        const bool mayGrow =
            length < 0 || (length > 0 && bytes_.size() < static_cast<std::size_t>(length));
        if (!mayGrow || ending) {
            dropNoise(1);
            continue;
        }
        // A start that may still grow gives way to a whole answer after it.
        for (std::size_t at = 1; at < bytes_.size(); ++at)
            if (wholeAt(at)) {
                dropNoise(at);
                return take(static_cast<std::size_t>(lengthAt(0)));
            }
        return std::nullopt;
    }
    return std::nullopt;
}
