#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The ".vil" scheme file, as plain data. Layout: byte 0 (zero), first and
// second part of the execution code, the device byte; the 250-byte
// configuration image; one 10-byte name field per channel in image order;
// the 16 output name fields (МР №1 outputs 1..8, then МР №2 outputs 1..8).

inline constexpr int kSchemeHeaderSize = 4;
inline constexpr int kSchemeImageSize = 250;
inline constexpr int kOutputNameCount = 16;

struct SchemeFileData {
    int execFirst = 0;
    int execSecond = 0;
    std::uint8_t deviceByte = 0;
    std::array<std::uint8_t, kSchemeImageSize> image{};
    std::vector<QString> channelNames; // image order, one per channel of the code
    std::array<QString, kOutputNameCount> outputNames;
};

// The number of channels of one of the fourteen execution codes; nothing for
// any other pair.
std::optional<int> ChannelCountOfCode(int first, int second);

// The length of a file for a code with `channelCount` channels.
constexpr int SchemeFileSize(int channelCount) {
    return kSchemeHeaderSize + kSchemeImageSize + 10 * (kOutputNameCount + channelCount);
}

// The file's bytes: one name field per entry of channelNames, so a
// well-formed file needs exactly as many names as the code has channels.
QByteArray EncodeSchemeFile(const SchemeFileData& data);

// Nothing, with the reason in `error`, for a file this program cannot take:
// no valid execution code, or a length other than the code requires.
std::optional<SchemeFileData> DecodeSchemeFile(const QByteArray& bytes, QString& error);

// Writes the file whole or not at all: on failure the old file is left as it
// was and `error` says why. Data that would make an unreadable file (unknown
// code, channel names not matching it) is refused before anything is written.
bool WriteSchemeFile(const QString& path, const SchemeFileData& data, QString& error);

// Reads and decodes a file; nothing, with the reason, when it cannot be
// opened or is refused.
std::optional<SchemeFileData> ReadSchemeFile(const QString& path, QString& error);
