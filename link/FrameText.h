#pragma once

#include "link/LinkFrame.h"

#include <string>
#include <vector>

// How the exchange log writes a frame: the same words in the log window, in
// its copies and saved files, and in the command-line trace.

// What the function asks for, "чтение БД"; "запись времени (всем)" when sent
// to every device. Empty for a function the programmer never sends.
std::string FunctionMeaning(std::uint8_t function, std::uint8_t address);

// What stands out in a frame; a repeated attempt stands out besides.
enum class FrameTrouble { None, Timeout, BadCrc, Failure, Dropped };
FrameTrouble TroubleOf(const LinkFrame& frame);

// The columns of one frame.
struct FrameColumns {
    std::string time;      // "14:03:05.125"
    std::string direction; // "→" to the device, "←" from the line
    std::string address;   // "01", of the bytes themselves when they hold one
    std::string function;  // "44", likewise
    std::string meaning;
    std::string length;
    std::string attempt; // "попытка 2"
    std::string result;
    // The bytes in hex, 16 to a line; " …" closes bytes not kept.
    std::vector<std::string> hex;
};
FrameColumns ColumnsOf(const LinkFrame& frame);

// The frame as text: one line with every column, then the rest of a long
// frame's bytes, 16 to a line, under its first bytes. No line ends in a blank.
std::vector<std::string> FrameLines(const LinkFrame& frame);
