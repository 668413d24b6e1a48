// The line window: a survey of a range in rows one per address, with the
// model names and clocks of the devices found; a cancel that stops it; a
// refusal while the line is busy; and the same through the main window on
// the simulator's line.

#include "app/LineWindow.h"
#include "app/ActionTable.h"
#include "app/LineReport.h"
#include "app/LineWindowTexts.h"
#include "app/MainWindow.h"
#include "app/ProgramSettings.h"
#include "line/ConfigFiles.h"
#include "line/ConfigListing.h"
#include "link/ExchangeLog.h"
#include "link/Frames.h"
#include "support/ModalDialog.h"
#include "support/SimProcess.h"
#include "support/SimulatedLine.h"
#include "tests/device/DeviceFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <stdexcept>

namespace {

QString Cell(const QAbstractItemModel& model, int row, int column) {
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

// The row of the address, as settled.
const LineTableRow& RowAt(const LineTableModel& table, int address) {
    for (const LineTableRow& row : table.rows())
        if (row.survey.address == address)
            return row;
    throw std::out_of_range("no row for the address");
}

std::map<int, std::string> Verdicts(const LineTableModel& table) {
    std::map<int, std::string> verdicts;
    for (const LineTableRow& row : table.rows())
        verdicts[row.survey.address] = row.verdict.toStdString();
    return verdicts;
}

TEST(LineTable, ModelNamesAndDrifts) {
    const struct {
        int first, second;
        const char* name;
    } names[] = {{24, 8, "ВИЛ-3-2408 К"}, {6, 4, "ВИЛ-3-0604 К"}, {99, 1, "99-01"}};
    for (const auto& n : names) {
        SurveyRow row{3, kResultOk, n.first, n.second, 0};
        EXPECT_EQ(ModelNameOf(row).toStdString(), n.name);
    }
    EXPECT_TRUE(ModelNameOf(SurveyRow{}).isEmpty());

    const WallTime now{2026, 3, 5, 4, 10, 0, 0, 0};
    const struct {
        DeviceTime device;
        std::optional<std::int64_t> drift;
    } drifts[] = {{{30, 0, 10, 5, 3}, 30},
                  {{0, 59, 9, 5, 3}, -60},
                  {{0, 0, 10, 6, 3}, 86400},
                  {{0, 0, 10, 30, 2}, std::nullopt},
                  {{75, 0, 10, 5, 3}, std::nullopt}};
    for (const auto& d : drifts)
        EXPECT_EQ(ClockDrift(d.device, now), d.drift) << d.device.day << "." << d.device.month;
    // Over New Year, and a leap day seen from the year after.
    EXPECT_EQ(ClockDrift({59, 59, 23, 31, 12}, {2027, 1, 1, 5, 0, 0, 0, 0}), -1);
    EXPECT_EQ(ClockDrift({0, 0, 0, 1, 1}, {2026, 12, 31, 4, 23, 59, 59, 0}), 1);
    EXPECT_EQ(ClockDrift({0, 0, 0, 29, 2}, {2029, 1, 1, 1, 0, 0, 0, 0}), -307 * 86400);
}

TEST(LineTable, SortsNumbersAsNumbersAndCopiesRowsWithHeadings) {
    LineTableModel model;
    model.addRow({2, kResultOk, 24, 8, 0});
    model.addRow({10, kResultSilent});
    model.addRow({9, kResultOk, 12, 4, 5});
    model.setClock(9, {0, 0, 10, 5, 3}, {2026, 3, 5, 4, 10, 0, 2, 0});
    model.setClock(2, {0, 0, 10, 5, 3}, {2026, 3, 5, 4, 9, 59, 0, 0});
    const auto key = [&](int row, int column) {
        return model.data(model.index(row, column), Qt::UserRole).toLongLong();
    };
    EXPECT_LT(key(2, LineTableModel::Address), key(1, LineTableModel::Address)); // 9 before 10
    EXPECT_LT(key(2, LineTableModel::Drift), key(0, LineTableModel::Drift));
    EXPECT_GT(key(1, LineTableModel::Drift), key(0, LineTableModel::Drift))
        << "a row without a clock sorts last";
    EXPECT_EQ(model.rowsAsText({2, 1}).toStdString(),
              "Адрес\tИсполнение\tСостояние\tЧасы устройства\tУход, с\tФайл\n"
              "9\tВИЛ-3-1204 К\t" +
                  Cell(model, 2, LineTableModel::Status).toStdString() +
                  "\t10:00:00 05.03.\t-2\t\n"
                  "10\t\t" +
                  Cell(model, 1, LineTableModel::Status).toStdString() + "\t\t\t\n");
    EXPECT_TRUE(Cell(model, 2, LineTableModel::Status).contains("статус 5"));
    model.setVerdict(10, "a reason longer than its column");
    EXPECT_EQ(model.data(model.index(1, LineTableModel::File), Qt::ToolTipRole).toString(),
              "a reason longer than its column");
}

TEST(LineTable, CsvQuotesWhatNeedsItAndCarriesAByteOrderMark) {
    LineTableModel model;
    model.addRow({4, kResultOk, 24, 8, 0});
    model.setVerdict(4, "a;b \"c\"");
    const QByteArray csv = LineTableCsv(model);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split("\r\n");
    ASSERT_EQ(lines.size(), 3); // headings, the row, the end
    EXPECT_EQ(lines[0].count(';'), LineTableModel::ColumnCount - 1);
    EXPECT_TRUE(lines[1].startsWith("4;ВИЛ-3-2408 К;"));
    EXPECT_TRUE(lines[1].endsWith(";\"a;b \"\"c\"\"\"")) << lines[1].toStdString();
}

TEST(LineTable, TheWindowsPlaceIsRememberedAndABadRangeForgotten) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("settings.ini"), QSettings::IniFormat);
    ProgramSettings settings(store);
    EXPECT_EQ(settings.lineWindow().last, 31);
    settings.setLineWindow({"/tmp/line", 3, 12, "geometry"});
    const ProgramSettings::LineWindowPlace place = settings.lineWindow();
    EXPECT_EQ(place.folder, "/tmp/line");
    EXPECT_EQ(place.first, 3);
    EXPECT_EQ(place.last, 12);
    EXPECT_EQ(place.geometry, "geometry");
    store.setValue("line/last", 40);
    EXPECT_EQ(settings.lineWindow().last, 31);
}

class LineWindowTest : public ::testing::Test {
protected:
    LineWindowTest() {
        sim.Add(2, 24, 8, 0, SampleImage(24, 8, 1));
        sim.Add(5, 12, 4, 150, SampleImage(12, 4, 4)).setClock({30, 0, 10, 5, 3}, sim.clock.now);
        sim.clock.runWall({2026, 3, 5, 4, 10, 0, 0, 0});
        window.firstAddress().setValue(1);
        window.lastAddress().setValue(6);
    }
    bool Run(const std::function<void()>& command) {
        if (busy)
            return false;
        command();
        return true;
    }

    SimulatedLine sim;
    DeviceLink settings{sim.line, sim.clock, sim.messages};
    int frames = 0;
    int losses = 0; // "порт закрыт" rows of the log
    std::vector<std::string> lost;
    bool busy = false;
    int access = 0;
    std::vector<int> readInto;
    LineWindow window{{sim.line, sim.clock, settings,
                       [this](const std::function<void()>& command) { return Run(command); },
                       [this](LinkFrame frame) {
                           ++frames;
                           losses += frame.direction == FrameDirection::PortLost;
                       },
                       sim.messages, [this] { return access; },
                       [this](int address) { readInto.push_back(address); },
                       [this](const std::string& reason) { lost.push_back(reason); }}};
};

TEST_F(LineWindowTest, SurveyGivesARowPerAddressWithNamesAndClocks) {
    const std::int64_t start = sim.clock.now;
    window.survey();
    const LineTableModel& table = window.table();
    ASSERT_EQ(table.rowCount(), 6);
    const QAbstractItemModel& shown = *window.view().model(); // sorted by address
    QStringList found;
    for (int row = 0; row < 6; ++row)
        found << Cell(shown, row, LineTableModel::Address) + " " +
                     Cell(shown, row, LineTableModel::Model);
    EXPECT_EQ(found.join(", ").toStdString(), "1 , 2 ВИЛ-3-2408 К, 3 , 4 , 5 ВИЛ-3-1204 К, 6 ");
    const LineTableRow& fifth = RowAt(table, 5);
    ASSERT_TRUE(fifth.driftSeconds.has_value());
    EXPECT_GE(*fifth.driftSeconds, 30);
    EXPECT_LE(*fifth.driftSeconds, 30 + (sim.clock.now - start) / 1000 + 1);
    EXPECT_FALSE(RowAt(table, 1).clock.has_value());
    EXPECT_GT(frames, 6);
    EXPECT_EQ(window.stateText().toStdString(), "Найдено устройств: 2 из 6");
    EXPECT_FALSE(window.running());

    window.view().selectAll();
    window.copySelection();
    EXPECT_EQ(QApplication::clipboard()->text().count('\n'), 7);
}

// "Отмена" and closing the window both stop the survey at once with the rows
// so far; the next survey, from a window opened again, hears every device.
TEST_F(LineWindowTest, CancelOrCloseStopsTheSurveyWithTheRowsSoFar) {
    const struct {
        const char* name;
        std::function<void(LineWindow&)> stop;
        bool staysOpen;
    } ways[] = {{"Отмена", [](LineWindow& w) { w.cancelButton().click(); }, true},
                {"close", [](LineWindow& w) { w.close(); }, false}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        window.show();
        const auto stopping =
            QObject::connect(&window.table(), &QAbstractItemModel::rowsInserted, [this, &way] {
                EXPECT_TRUE(window.cancelButton().isEnabled());
                way.stop(window);
            });
        window.survey();
        EXPECT_EQ(window.isVisible(), way.staysOpen);
        EXPECT_LT(window.table().rowCount(), 6);
        EXPECT_EQ(window.stateText().toStdString(), "Прервано");
        EXPECT_FALSE(window.running());
        EXPECT_FALSE(window.cancelButton().isEnabled());

        QObject::disconnect(stopping);
        window.survey();
        EXPECT_EQ(window.stateText().toStdString(), "Найдено устройств: 2 из 6")
            << "the survey after a cancel hears the slow device too";
    }
}

// The port failing when the line is emptied before the first question, and
// when a question is sent: the window says the port is closed and why, not
// how many devices it found, and passes the reason on; the log has the row.
TEST_F(LineWindowTest, APortLostUnderTheSurveyIsSaidAndPassedOn) {
    for (const bool onQuestion : {false, true}) {
        SCOPED_TRACE(onQuestion ? "question" : "emptying");
        sim.line.portOpen = true;
        sim.line.failRead = !onQuestion;
        sim.line.failWrite = onQuestion;
        lost.clear();
        losses = 0;
        window.survey();
        EXPECT_EQ(window.stateText().toStdString(), "Порт закрыт: COM1 отключен (line error)");
        EXPECT_EQ(lost, std::vector<std::string>{"COM1 отключен (line error)"});
        EXPECT_EQ(losses, 1);
        EXPECT_FALSE(sim.line.portOpen);
        EXPECT_FALSE(window.running());
    }
}

// The port gone after the question to address 4: the device heard keeps its
// row, the addresses whose question the loss cut short say so, the progress
// ends. Noise on a port still there costs nothing.
TEST_F(LineWindowTest, RowsWhenThePortIsLostOrNoisyMidSurvey) {
    const auto respond = sim.line.respond;
    sim.line.respond = [this, respond](const FakeSerialLine::Bytes& request) {
        sim.line.failRead = sim.line.failRead || request[0] == 4;
        return respond(request);
    };
    sim.line.portOpen = true;
    window.survey();
    EXPECT_EQ(window.stateText().toStdString(), "Порт закрыт: COM1 отключен (line error)");
    EXPECT_EQ(window.progress().value(), window.progress().maximum());
    std::map<int, std::string> states;
    for (const LineTableRow& row : window.table().rows())
        states[row.survey.address] = row.survey.word();
    EXPECT_EQ(states,
              (std::map<int, std::string>{
                  {1, "порт закрыт"}, {2, "готов"}, {3, "порт закрыт"}, {4, "порт закрыт"}}));

    sim.line.respond = respond;
    sim.line.failRead = false;
    sim.line.portOpen = true;
    sim.line.noisyAt = {3, 8, 15, 30};
    window.survey();
    EXPECT_EQ(window.stateText().toStdString(), "Найдено устройств: 2 из 6");
    EXPECT_TRUE(sim.line.portOpen);
    EXPECT_EQ(losses, 1) << "only the loss above";
}

TEST_F(LineWindowTest, BackUpThenVerifyNamesTheChangedDeviceWithItsDifferences) {
    QTemporaryDir dir;
    window.setBackupFolder(dir.path());
    window.survey();
    EXPECT_EQ(RowAt(window.table(), 2).verdict.toStdString(), "нет файла");
    window.view().selectRow(4); // address 5
    window.backUp(true);
    EXPECT_FALSE(QFile::exists(dir.filePath("device-02.vil")));
    EXPECT_TRUE(QFile::exists(dir.filePath("device-05.vil")));
    window.backUp(false);
    EXPECT_EQ(window.stateText().toStdString(), "Сохранено устройств: 2 из 2");
    EXPECT_EQ(RowAt(window.table(), 2).verdict.toStdString(), "совпадает");

    sim.At(5)->image[40] ^= 0x01;
    QFile::remove(dir.filePath("device-02.vil"));
    window.verify();
    EXPECT_EQ(window.stateText().toStdString(), "Сверено: совпадает 0, отличается 1, нет файла 1");
    EXPECT_EQ(RowAt(window.table(), 2).verdict.toStdString(), "нет файла");
    const LineTableRow& changed = RowAt(window.table(), 5);
    EXPECT_EQ(changed.verdict.toStdString(), "отличается");
    ASSERT_EQ(changed.differences.size(), 1u);
    EXPECT_EQ(window.differences().toPlainText().toStdString(), changed.differences[0]);
}

// With a folder chosen the survey holds every device heard against its file;
// without one it reads no configuration. A folder chosen afterwards tells
// only which files are missing until the devices are compared again.
TEST_F(LineWindowTest, ASurveyWithAFolderComparesEachDeviceWithItsFile) {
    sim.Add(4, 24, 8, 0, SampleImage(24, 8, 3));
    const auto imageReads = [this] {
        return std::count_if(sim.line.writes.begin(), sim.line.writes.end(),
                             [](const auto& w) { return w.size() > 1 && w[1] == kFnReadImage; });
    };
    window.survey();
    EXPECT_EQ(imageReads(), 0);
    QTemporaryDir dir;
    QTemporaryDir empty;
    window.setBackupFolder(dir.path());
    window.backUp(false);
    sim.At(5)->image[40] ^= 0x01;
    QFile::remove(dir.filePath("device-04.vil"));
    window.survey();
    EXPECT_EQ(window.stateText().toStdString(), "Найдено устройств: 3 из 6");
    window.setBackupFolder(empty.path());
    const std::map<int, std::string> emptyFolder = Verdicts(window.table());
    window.setBackupFolder(dir.path());
    const std::map<int, std::string> chosenAgain = Verdicts(window.table());

    const struct {
        int address;
        const char* surveyed;
        std::size_t differences;
        const char* emptyFolder;
        const char* chosenAgain;
    } rows[] = {{2, "совпадает", 0, "нет файла", ""},
                {4, "нет файла", 0, "нет файла", "нет файла"},
                {5, "отличается", 1, "нет файла", ""},
                {6, "", 0, "", ""}};
    window.setBackupFolder(dir.path());
    window.survey();
    for (const auto& r : rows) {
        const LineTableRow& row = RowAt(window.table(), r.address);
        EXPECT_EQ(row.verdict.toStdString(), r.surveyed) << r.address;
        EXPECT_EQ(row.differences.size(), r.differences) << r.address;
        EXPECT_EQ(emptyFolder.at(r.address), r.emptyFolder) << r.address;
        EXPECT_EQ(chosenAgain.at(r.address), r.chosenAgain) << r.address;
    }
}

// Clocks and restore write to the devices: refused without write access, and
// a restore writes nothing until the operator has seen the differences and
// agreed.
TEST_F(LineWindowTest, ClocksAndRestoreNeedWriteAccessAndRestoreAsksFirst) {
    QTemporaryDir dir;
    window.setBackupFolder(dir.path());
    window.survey();
    window.backUp(false);
    const std::array<std::uint8_t, 250> saved = sim.At(5)->image;
    sim.At(5)->image[40] ^= 0x01;
    window.view().selectRow(4); // address 5
    const std::size_t sent = sim.line.writes.size();
    window.setClocks();
    window.restoreSelected();
    EXPECT_EQ(sim.line.writes.size(), sent);
    ASSERT_EQ(sim.messages.shown.size(), 2u);
    EXPECT_EQ(sim.messages.shown[1].text,
              "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт");

    access = 1;
    sim.clock.runWall({2026, 3, 5, 4, 12, 0, 0, 0});
    window.setClocks();
    EXPECT_EQ(RowAt(window.table(), 5).driftSeconds, 0);
    EXPECT_EQ(RowAt(window.table(), 2).clock->hour, 12);

    sim.messages.answers = {Answer::No};
    window.restoreSelected();
    const MessageBox& question = sim.messages.shown.back();
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    const LineTableRow& changed = RowAt(window.table(), 5);
    ASSERT_EQ(changed.differences.size(), 1u);
    EXPECT_NE(question.text.find(changed.differences[0]), std::string::npos) << question.text;
    EXPECT_NE(sim.At(5)->image, saved);
    sim.messages.answers = {Answer::Yes};
    window.restoreSelected();
    EXPECT_EQ(sim.At(5)->image, saved);
    EXPECT_EQ(RowAt(window.table(), 5).verdict.toStdString(), "совпадает");
    EXPECT_EQ(window.stateText().toStdString(), "Восстановлено устройств: 1 из 1");
}

// A device's clock tells whole seconds: set from the computer's at whatever
// millisecond, it keeps step with it, as read back at once and surveyed later.
TEST_F(LineWindowTest, ClocksSetFromTheComputerDriftNotASecond) {
    access = 1;
    window.survey();
    for (const int ms : {0, 120, 480, 700, 930, 999}) {
        sim.clock.runWall({2026, 3, 5, 4, 12, 0, 59, ms});
        window.setClocks();
        for (const int later : {0, 400, 1700}) {
            if (later > 0) {
                sim.clock.sleepMs(later);
                window.survey();
            }
            for (const int address : {2, 5})
                EXPECT_EQ(RowAt(window.table(), address).driftSeconds, 0)
                    << "set at ms " << ms << ", " << later << " ms later, device " << address;
        }
    }
}

TEST_F(LineWindowTest, TheReportListsTheTableAndEachDevicesFileAndIsSavedAsPdf) {
    QTemporaryDir dir;
    window.setBackupFolder(dir.path());
    window.survey();
    window.backUp(false);
    const QString html = window.reportHtml();
    for (const char* part :
         {"Дата: 05.03.2026 10:00", "ВИЛ-3-1204 К", "device-05.vil", "совпадает"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part;
    std::string error;
    const auto fifth =
        LoadConfiguration(dir.filePath("device-05.vil").toStdString(), -1, -1, error);
    ASSERT_TRUE(fifth.has_value()) << error;
    EXPECT_TRUE(html.contains(QString::fromStdString(ListingText(*fifth)).toHtmlEscaped()));

    ASSERT_TRUE(window.savePdf(dir.filePath("report.pdf")));
    QFile pdf(dir.filePath("report.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_FALSE(window.saveCsv(dir.filePath("missing/table.csv")));
    EXPECT_TRUE(window.stateText().contains("missing/table.csv"));

    // Printing asks the printing system, loaded for it, for its print dialog.
    QPushButton* print = nullptr;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == QString::fromUtf8(line_window_text::kPrintReport))
            print = button;
    ASSERT_NE(print, nullptr);
    bool asked = false;
    WhenShown([&asked](QWidget* modal) {
        asked = modal->inherits("QPrintDialog");
        static_cast<QDialog*>(modal)->reject();
    });
    print->click();
    EXPECT_TRUE(asked);
}

TEST_F(LineWindowTest, ADoubleClickReadsTheDeviceIntoTheMainWindow) {
    window.survey();
    window.view().selectRow(1); // address 2
    window.readSelected();
    window.view().selectRow(0); // nobody at address 1
    window.readSelected();
    EXPECT_EQ(readInto, std::vector<int>{2});
}

TEST_F(LineWindowTest, ABusyLineRefusesTheSurveyAndSaysSo) {
    busy = true;
    window.survey();
    EXPECT_EQ(window.table().rowCount(), 0);
    EXPECT_TRUE(sim.line.writes.empty());
    EXPECT_EQ(window.stateText().toStdString(), "Идет обмен с устройством: команда не выполнена");
}

// Through the main window on the simulator's line: the window takes input
// while it surveys, the main window takes none, and the frames reach the log.
TEST(LineWindowOnTheProgram, SurveysTheSimulatorsDevicesThroughTheMainWindowsLine) {
    SimProcess sim({"--device", "3:24-08", "--device", "4:06-04", "--timeout", "60"});
    ASSERT_FALSE(sim.ptyPath().isEmpty());
    sim.exposeAs("COM7");
    MainWindow form;
    form.comPort().PortName = "COM7";
    ASSERT_EQ(form.comPort().SetupPort(), 0);
    form.action(ActionId::ShowLine)->trigger();
    LineWindow* window = form.lineWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    window->firstAddress().setValue(2);
    window->lastAddress().setValue(5);
    bool windowTook = false;
    bool mainTook = true;
    QObject::connect(&window->table(), &QAbstractItemModel::rowsInserted, [&] {
        windowTook = window->takesInput(window->windowHandle()) &&
                     window->takesInput(&window->cancelButton());
        mainTook = window->takesInput(form.linkAddressBox) || form.runDeviceCommand([] {});
    });
    window->survey();
    EXPECT_TRUE(windowTook);
    EXPECT_FALSE(mainTook);
    ASSERT_EQ(window->table().rowCount(), 4);
    EXPECT_EQ(ModelNameOf(RowAt(window->table(), 3).survey).toStdString(), "ВИЛ-3-2408 К");
    EXPECT_EQ(ModelNameOf(RowAt(window->table(), 4).survey).toStdString(), "ВИЛ-3-0604 К");
    EXPECT_TRUE(RowAt(window->table(), 3).driftSeconds.has_value());
    EXPECT_FALSE(RowAt(window->table(), 2).survey.heard());
    EXPECT_FALSE(window->takesInput(&window->cancelButton()));
}

} // namespace
