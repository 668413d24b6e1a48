// The way out of the program on the real main window, with the real save and
// write commands behind the questions; at access level 0 both refuse. A save
// agreed to that does not happen keeps the program with its changes.
#include "app/MainWindow.h"
#include "support/QtPrinting.h"
#include "support/ScriptedOperator.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using B = QMessageBox::StandardButton;

struct ExitCase {
    const char* name;
    bool exitCommand; // "Выход"; otherwise the window's close box
    std::deque<B> answers;
    QStringList boxes;
    int modifiedAfter;
    bool closes;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class Leaving : public ::testing::TestWithParam<ExitCase> {};

TEST_P(Leaving, AsksSavesAndTransfersAsAnswered) {
    const ExitCase& c = GetParam();
    MainWindow form;
    form.model().AccessLevel = 0;
    form.model().Modified = 1;
    ScriptedOperator operatorAnswers(c.answers);
    if (c.exitCommand)
        form.action(ActionId::Exit)->trigger();
    else
        EXPECT_EQ(form.close(), c.closes);
    EXPECT_EQ(operatorAnswers.shown, c.boxes);
    EXPECT_EQ(form.model().Modified, c.modifiedAfter);
}

const QString Exit = "Действительно хотите закончить работу?",
              Save = "Данные были изменены. Сохранить в файле?",
              Send = "Данные были изменены. Передать?", End = "Работа закончена",
              NoFile = "Ваш уровень доступа не позволяет\nпроизводить запись в файл",
              NoPort = "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт";

INSTANTIATE_TEST_SUITE_P(
    Answers, Leaving,
    ::testing::Values(
        ExitCase{"ExitNotConfirmed", true, {B::No}, {Exit}, 1, false},
        ExitCase{"ExitNoToBothAsksNothingMore",
                 true,
                 {B::Yes, B::No, B::No, B::Ok},
                 {Exit, Save, Send, End},
                 0,
                 true},
        // The save refused: the program stays, nothing more is asked.
        ExitCase{"ExitWithTheSaveRefusedStays",
                 true,
                 {B::Yes, B::Yes, B::Ok},
                 {Exit, Save, NoFile},
                 1,
                 false},
        // The transfer refused keeps the data changed, and closing asks again.
        ExitCase{"ExitTransferRefusedAsksTwice",
                 true,
                 {B::Yes, B::No, B::Yes, B::Ok, B::No, B::No, B::Ok},
                 {Exit, Save, Send, NoPort, Save, Send, End},
                 1,
                 true},
        ExitCase{"CloseBoxSkipsTheConfirmation",
                 false,
                 {B::No, B::No, B::Ok},
                 {Save, Send, End},
                 1,
                 true},
        ExitCase{
            "CloseBoxWithTheSaveRefusedStays", false, {B::Yes, B::Ok}, {Save, NoFile}, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

QString Example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}

// "Да" to saving and the file dialog cancelled, by the exit command and by the
// close box: the program stays with its scheme and its changes, and the exit
// question can be asked again.
TEST(LeavingUnsaved, CancelledFileDialogKeepsTheSchemeUntilTheOperatorLetsItGo) {
    MainWindow form;
    ASSERT_TRUE(form.OpenSchemeFile(Example("12-04.vil")));
    const QString title = form.windowTitle();
    form.model().AccessLevel = 1;
    form.model().Modified = 1;
    {
        ScriptedOperator operatorAnswers({B::Yes, B::Yes});
        form.action(ActionId::Exit)->trigger();
        EXPECT_EQ(operatorAnswers.shown, QStringList({Exit, Save, "file dialog"}));
    }
    {
        ScriptedOperator operatorAnswers({B::Yes});
        EXPECT_FALSE(form.close());
        EXPECT_EQ(operatorAnswers.shown, QStringList({Save, "file dialog"}));
    }
    EXPECT_EQ(form.model().Modified, 1);
    EXPECT_EQ(form.model().SchemeCreated, 1);
    EXPECT_EQ(form.windowTitle(), title);
    ScriptedOperator operatorAnswers({B::Yes, B::No, B::No, B::Ok});
    form.action(ActionId::Exit)->trigger();
    EXPECT_EQ(operatorAnswers.shown, QStringList({Exit, Save, Send, End}));
}

} // namespace
