// File names through the option parser byte for byte, and what a terminal is
// shown of names.

#include "tools/ToolPaths.h"
#include "line/FilePaths.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

std::string ThroughArguments(const std::string& bytes) {
    std::string program = "vil3k-tool";
    std::string argument = bytes;
    char* argv[] = {program.data(), argument.data()};
    const QStringList arguments = ToolArguments(2, argv);
    return arguments.size() == 1 ? PathBytes(arguments[0].toStdString()) : "<lost>";
}

TEST(ToolPaths, EveryNameComesBackByteForByte) {
    // Pieces a name is made of: text, stray bytes, the carrier range itself,
    // a surrogate, an overlong form and a code point past U+10FFFF.
    std::istringstream table("a|device-05.vil|д|\xff|\x80|\xef\x9e\x80|\xef\x9f\xbf|\xed\xa0\x80|"
                             "\xc0\xaf|\xf4\x90\x80\x80|\xf0\x9f\x98\x80|\xe2\x82");
    std::vector<std::string> pieces;
    for (std::string piece; std::getline(table, piece, '|');)
        pieces.push_back(piece);
    std::mt19937 random(21);
    for (int round = 0; round < 2000; ++round) {
        std::string name;
        for (int k = static_cast<int>(random() % 6); k > 0; --k)
            name += pieces[random() % pieces.size()];
        ASSERT_EQ(ThroughArguments(name), name) << Shown(name);
    }
    // Text stays text for everything else.
    std::string program = "t", name = "схема №1.vil";
    char* argv[] = {program.data(), name.data()};
    EXPECT_EQ(ToolArguments(2, argv), QStringList{"схема №1.vil"});
}

TEST(ToolPaths, ControlCharactersAndForeignBytesAreShownEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"Давл. газа", "Давл. газа"},
        {"\x1b]0;x\x07", "\\x1B]0;x\\x07"}, // would retitle the terminal
        {"a\r\x1b[2K", "a\\x0D\\x1B[2K"},   // would wipe the line
        {"\xc2\x9b"
         "2J",
         "\\x9B2J"}, // the one-character CSI
        {"n\xff.vil", "n\\xFF.vil"},
        {"a\\xFF", "a\\\\xFF"}, // never mistaken for the escaped byte
        {"\x7f\t", "\\x7F\\x09"},
    };
    for (const auto& [name, shown] : cases)
        EXPECT_EQ(Shown(name), shown);
}

} // namespace
