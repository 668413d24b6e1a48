#include "app/ProgrammerOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgrammerOptions, PortResetAndASchemeFile) {
    // The arguments, and the port|reset|file taken from them, or the error.
    const std::pair<QStringList, std::string> cases[] = {
        {{"--port", "COM3", "schemes/a.vil"}, "COM3|0|schemes/a.vil"},
        {{"--reset-settings", "--port=COM2"}, "COM2|1|"},
        {{"--port="}, "неверное значение параметра --port"},
    };
    for (const auto& [arguments, parsed] : cases) {
        ProgrammerOptions o;
        std::string error;
        const bool accepted = ParseProgrammerOptions(arguments, o, error);
        EXPECT_EQ(accepted ? o.port + "|" + std::to_string(o.resetSettings) + "|" +
                                 o.schemeFile.toStdString()
                           : error,
                  parsed);
    }
}

} // namespace
