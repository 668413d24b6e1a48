#include "app/ProgrammerOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgrammerOptions, PortResetAndASchemeFile) {
    struct Case {
        QStringList arguments;
        std::string parsed; // port|reset|file, or the error
    };
    const Case cases[] = {
        {{"--port", "COM3", "schemes/a.vil"}, "COM3|0|schemes/a.vil"},
        {{"--reset-settings", "--port=COM2"}, "COM2|1|"},
        {{"a.vil", "b.vil"}, "лишний аргумент: b.vil"},
        {{"--port="}, "неверное значение параметра --port"},
    };
    for (const Case& c : cases) {
        ProgrammerOptions o;
        std::string error;
        const bool accepted = ParseProgrammerOptions(c.arguments, o, error);
        EXPECT_EQ(accepted ? o.port + "|" + std::to_string(o.resetSettings) + "|" +
                                 o.schemeFile.toStdString()
                           : error,
                  c.parsed);
    }
}

} // namespace
