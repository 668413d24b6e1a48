#pragma once

#include "link/ExchangeResult.h"
#include "ui/Clock.h"

#include <cstdint>
#include <string>
#include <vector>

enum class FrameDirection {
    Sent,     // a request as written
    Received, // what one attempt read back (possibly nothing)
    Dropped,  // stray bytes emptied from the line before a repeated attempt
    Noise,    // the serial layer failed on a port still there; no bytes, note says how
    PortLost  // the port failed and was closed; no bytes, note says why
};

// No result on this frame: a request still waiting for its answer.
inline constexpr ExchangeResult kNoFrameResult = -1;

// Bytes a frame keeps; a longer run of dropped bytes keeps its start and its
// length.
inline constexpr int kFrameBytesKept = 260;

// One frame of the device link, as it went over the line.
struct LinkFrame {
    WallTime time; // when it was written, read or dropped
    FrameDirection direction = FrameDirection::Sent;
    // Of the exchange's request: the device asked (0 for all) and the function.
    std::uint8_t address = 0;
    std::uint8_t function = 0;
    int length = 0; // bytes on the line; bytes holds the first kFrameBytesKept
    std::vector<std::uint8_t> bytes;
    int attempt = 1;
    // The result of the attempt on an answer, of the exchange on a request that
    // gets none, or kNoFrameResult.
    ExchangeResult result = kNoFrameResult;
    // Of a lost port: which one and what the line said ("COM1 отключен (...)");
    // of noise: what the serial layer said.
    std::string note;
};
