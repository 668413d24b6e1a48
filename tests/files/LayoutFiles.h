#pragma once

#include <QByteArray>

#include <cstdint>

// Scheme files put together byte by byte from the file layout, independently of
// the code under test: header, image, channel names, output names.

// "Вход-12345": ten Windows-1251 bytes, a field without a NUL.
inline QByteArray fullNameField() {
    return QByteArray::fromHex("c2f5eee42d3132333435");
}

// "Вход<i>" or "Реле<i>" (Windows-1251), a NUL, spaces.
inline QByteArray shortNameField(const char* cp1251Hex, int i) {
    QByteArray field = QByteArray::fromHex(cp1251Hex) + QByteArray::number(i) + '\0';
    return field + QByteArray(10 - field.size(), ' ');
}

inline QByteArray channelNameField(int i) {
    return i == 0 ? fullNameField() : shortNameField("c2f5eee4", i);
}
inline QByteArray outputNameField(int i) {
    return i == 15 ? QByteArray(10, ' ') : shortNameField("d0e5ebe5", i + 1);
}

// An image as this program packs it: channel records, two AND blocks (the
// second with a pulse timer), a zero gap, every channel included, the device byte.
// Light-panel cells 2..6 are each used once (inputs 4..6 and the two blocks), so
// the image holds nothing the editor would not write.
// A code without relay outputs (`outputs` false) gets no output bits.
inline QByteArray layoutImage(int channels, std::uint8_t deviceByte, std::uint8_t blockType = 1,
                              bool outputs = true) {
    QByteArray image(250, '\0');
    for (int i = 0; i < channels; ++i) {
        const int signalling = i >= 3 && i < 6 ? 0x40 | (i + 1) : 0;
        image[4 * i] = static_cast<char>(signalling | (i % 2 == 0 ? 0x20 : 0));
        image[4 * i + 1] = static_cast<char>(outputs && i % 3 == 0 ? 0x01 : 0);
        image[4 * i + 3] = static_cast<char>(i % 61);
    }
    const int blocks = 4 * channels;
    const char firstBlock[9] = {
        static_cast<char>(blockType), '\x81', '\x02', 0, 0, '\x83', 0, 0, 0};
    const char secondBlock[9] = {2, '\xC1', '\x83', 0, 0, '\x42', 0, 0, '\x05'};
    image.replace(blocks, 9, QByteArray(firstBlock, 9));
    image.replace(blocks + 9, 9, QByteArray(secondBlock, 9));
    for (int i = 0; i < channels; ++i)
        image[245 + i / 8] = static_cast<char>(image[245 + i / 8] | (1 << (i % 8)));
    image[249] = static_cast<char>(deviceByte);
    return image;
}

inline QByteArray layoutFile(int first, int second, int channels, std::uint8_t deviceByte,
                             std::uint8_t blockType = 1) {
    QByteArray bytes;
    bytes += '\0';
    bytes += static_cast<char>(first);
    bytes += static_cast<char>(second);
    bytes += static_cast<char>(deviceByte);
    bytes += layoutImage(channels, deviceByte, blockType, second != 0);
    for (int i = 0; i < channels; ++i)
        bytes += channelNameField(i);
    for (int i = 0; i < 16; ++i)
        bytes += outputNameField(i);
    return bytes;
}
