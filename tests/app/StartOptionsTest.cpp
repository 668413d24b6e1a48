#include "app/StartOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(StartOptions, PortResetAndASchemeFile) {
    struct Case {
        QStringList arguments;
        QString parsed; // port|reset|file, the error, or "!" for one of Qt's own
    };
    const Case cases[] = {
        {{}, "|0|"},
        {{"--port", "COM3", "schemes/a.vil"}, "COM3|0|schemes/a.vil"},
        {{"--reset-settings", "--port=COM2"}, "COM2|1|"},
        {{"a.vil", "b.vil"}, "лишний аргумент: b.vil"},
        {{"--port"}, "!"},
        {{"--bogus"}, "!"},
    };
    for (const Case& c : cases) {
        StartOptions o;
        QString error;
        const bool accepted =
            ParseStartOptions(QStringList{"vil3k-programmer"} + c.arguments, o, error);
        const QString shown = c.parsed == "!" && !error.isEmpty() ? "!" : error;
        EXPECT_EQ(accepted ? QString("%1|%2|%3").arg(o.port).arg(o.resetSettings).arg(o.schemeFile)
                           : shown,
                  c.parsed);
    }
}

} // namespace
