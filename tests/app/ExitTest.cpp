// The way out of the program on the real main window, with the real save and
// write commands behind the questions; at access level 0 both refuse. A save
// agreed to that does not happen keeps the program with its changes.
#include "app/MainWindow.h"
#include "support/BoxAnswerer.h"
#include "support/QtPrinting.h"

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
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

const QString Exit = "Действительно хотите закончить работу?",
              Save = "Данные были изменены. Сохранить в файле?",
              Send = "Данные были изменены. Передать?", End = "Работа закончена",
              NoFile = "Ваш уровень доступа не позволяет\nпроизводить запись в файл",
              NoPort = "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт";

class Leaving : public ::testing::TestWithParam<ExitCase> {};

TEST_P(Leaving, AsksSavesAndTransfersAsAnswered) {
    const ExitCase& c = GetParam();
    MainWindow form;
    form.model().AccessLevel = 0;
    form.model().Modified = 1;
    BoxAnswerer operatorAnswers(c.answers, true);
    if (c.exitCommand)
        form.action(ActionId::Exit)->trigger();
    else
        EXPECT_EQ(form.close(), c.boxes.contains(End)) << "the window closes after goodbye only";
    EXPECT_EQ(operatorAnswers.texts, c.boxes);
    EXPECT_EQ(form.model().Modified, c.modifiedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Leaving,
    ::testing::Values(
        ExitCase{"ExitNotConfirmed", true, {B::No}, {Exit}, 1},
        ExitCase{"ExitNoToBothAsksNothingMore",
                 true,
                 {B::Yes, B::No, B::No, B::Ok},
                 {Exit, Save, Send, End},
                 0},
        // The save refused: the program stays, nothing more is asked.
        ExitCase{
            "ExitWithTheSaveRefusedStays", true, {B::Yes, B::Yes, B::Ok}, {Exit, Save, NoFile}, 1},
        // The transfer refused keeps the data changed, and closing asks again.
        ExitCase{"ExitTransferRefusedAsksTwice",
                 true,
                 {B::Yes, B::No, B::Yes, B::Ok, B::No, B::No, B::Ok},
                 {Exit, Save, Send, NoPort, Save, Send, End},
                 1},
        ExitCase{
            "CloseBoxSkipsTheConfirmation", false, {B::No, B::No, B::Ok}, {Save, Send, End}, 1},
        ExitCase{"CloseBoxWithTheSaveRefusedStays", false, {B::Yes, B::Ok}, {Save, NoFile}, 1},
        // "Отмена" at the offer to save: the program goes on, the changes kept.
        ExitCase{"ExitCancelledAtTheSaveStays", true, {B::Yes, B::Cancel}, {Exit, Save}, 1},
        ExitCase{"CloseBoxCancelledAtTheSaveStays", false, {B::Cancel}, {Save}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
