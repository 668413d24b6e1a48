#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

// Every test program gets one QApplication (offscreen under CTest), so that
// GUI tests can create widgets and core tests lose nothing by it.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a runtime folder Qt warns on the standard error of every program the
    // tests start, whose output they read: the run gets a private one.
    std::optional<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.emplace().isValid()) {
        QFile::setPermissions(runtime->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }
    // Left to the end of the process: tearing the application down loads the whole
    // font configuration (Qt 6.4) when nothing has drawn text yet, as in most tests,
    // and would cost each test program about as much as the test itself. The
    // sanitizer build tears it down, so that whatever the tests leave is checked
    // for leaks.
    auto* app = new QApplication(argc, argv);
    const int failed = RUN_ALL_TESTS();
#if defined(__SANITIZE_ADDRESS__)
    delete app;
#else
    (void)app;
#endif
    return failed;
}
