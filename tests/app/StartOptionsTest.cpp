#include "app/StartOptions.h"

#include <gtest/gtest.h>

namespace {

struct StartCase {
    QStringList arguments;
    bool accepted;
    QString port;
    bool reset;
    QString file;
};

TEST(StartOptions, PortResetAndASchemeFile) {
    const StartCase cases[] = {
        {{}, true, "", false, ""},
        {{"--port", "COM3", "schemes/a.vil"}, true, "COM3", false, "schemes/a.vil"},
        {{"--reset-settings", "--port=COM2"}, true, "COM2", true, ""},
        {{"a.vil", "b.vil"}, false, "", false, ""},
        {{"--port"}, false, "", false, ""},
        {{"--bogus"}, false, "", false, ""},
    };
    for (const StartCase& c : cases) {
        StartOptions options;
        QString error;
        const bool accepted = ParseStartOptions(QStringList{"vil3k-programmer"} + c.arguments,
                                                options, error);
        const std::string line = c.arguments.join(' ').toStdString();
        EXPECT_EQ(accepted, c.accepted) << line;
        EXPECT_EQ(error.isEmpty(), c.accepted) << line;
        if (!accepted)
            continue;
        EXPECT_EQ(options.port, c.port) << line;
        EXPECT_EQ(options.resetSettings, c.reset) << line;
        EXPECT_EQ(options.schemeFile, c.file) << line;
    }
    StartOptions options;
    QString error;
    ParseStartOptions({"vil3k-programmer", "a.vil", "b.vil"}, options, error);
    EXPECT_EQ(error, "лишний аргумент: b.vil");
}

} // namespace
