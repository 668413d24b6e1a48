// "Сравнить с прибором", "Сравнить со схемой…" and the differences before a
// write, in the real main window against vil3k-sim on a pseudo-terminal.

#include "access/gui/QtPasswordDialog.h"
#include "app/DifferencesPane.h"
#include "app/LineWindow.h"
#include "app/MainWindow.h"
#include "app/ProgramSettings.h"
#include "app/WritePreviewDialog.h"
#include "editor/gui/QtDelayDialog.h"
#include "editor/gui/QtSignallingDialog.h"
#include "editor/gui/SchemeCanvas.h"
#include "files/SchemeFile.h"
#include "support/BoxAnswerer.h"
#include "support/ModalDialog.h"
#include "support/SampleSchemes.h"
#include "support/SessionFixture.h"
#include "support/SimProcess.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QPoint Centre(const SchemeView& view, Family family, int index) {
    const Rect r = view.absoluteRect(family, index);
    return {r.x + r.w / 2, r.y + r.h / 2};
}

QStringList Lines(QListWidget& list) {
    QStringList lines;
    for (int i = 0; i < list.count(); ++i)
        lines << list.item(i)->text();
    return lines;
}

// Answers the preview as the operator would and keeps what it showed.
struct ScriptedPreview : WritePreview {
    bool confirmSend(const DifferenceReport& report) override {
        shown.push_back(report);
        if (bar != nullptr)
            statuses << bar->currentMessage();
        return send;
    }
    bool send = false;
    std::vector<DifferenceReport> shown;
    QStatusBar* bar = nullptr; // what the status bar says while it waits
    QStringList statuses;
};

class CompareScheme : public ::testing::Test {
protected:
    // The sample 24-08 scheme in the file and in device 1.
    void Start(const QStringList& faults = {}) {
        SessionFixture<> sample;
        BuildSampleScheme(sample.session, 24, 8);
        sampleFile = dir.filePath("24-08.vil");
        ASSERT_TRUE(sample.session.model.SchemeCreated);
        SchemeFileData data = FileOf(sample.session.Snapshot());
        QString error;
        ASSERT_TRUE(WriteSchemeFile(sampleFile, data, error)) << error.toStdString();
        sim = std::make_unique<SimProcess>(
            QStringList{"--file", sampleFile, "--dump", dumpPath, "--timeout", "60"} + faults);
        ASSERT_FALSE(sim->ptyPath().isEmpty());
        sim->exposeAs("COM8");
        form.comPort().PortName = "COM8";
        ASSERT_EQ(form.comPort().SetupPort(), 0);
        form.comPort().SetHeaderRetries(1);
    }
    static SchemeFileData FileOf(const SchemeSnapshot& s) {
        SchemeFileData data;
        data.execFirst = s.first;
        data.execSecond = s.second;
        data.image = s.image;
        data.deviceByte = s.image[kDeviceByteOffset];
        data.channelNames = s.names.channels;
        std::copy(s.names.outputs.begin(), s.names.outputs.end(), data.outputNames.begin());
        return data;
    }
    // On screen, as after start-up: the password asked on showing is given
    // (the factory one: no password file in the test's folder).
    void ShowWindow() {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        std::function<void()> answer = [&answer] {
            auto* dialog = qobject_cast<QtPasswordDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                QTimer::singleShot(10, answer);
                return;
            }
            QTest::keyClicks(dialog->passwordEdit, "7352");
            QTest::keyClick(dialog->passwordEdit, Qt::Key_Return);
        };
        QTimer::singleShot(0, answer);
        form.show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return form.model().AccessLevel == 1; }, 5000));
        QDir::setCurrent(previous);
    }
    void Trigger(ActionId id) { form.action(id)->trigger(); }
    void Click(Family family, int index) {
        QTest::mouseClick(&form.schemeCanvas(), Qt::LeftButton, {},
                          Centre(form.schemeView(), family, index));
    }
    // Three edits through the window's dialogs and the contact toggle: input 1
    // alarm instead of warning, input 2 delayed 40 s instead of 5 s, input 3
    // normally closed.
    void EditThreeRows() {
        WhenShown([this](QWidget*) {
            form.signallingDialog->signallingTypes->button(2)->click();
            QTest::mouseClick(form.signallingDialog->okButton, Qt::LeftButton);
        });
        Click(Family::SignallingPanel, 0);
        WhenShown([this](QWidget*) {
            QTest::keyClick(form.delayDialog->unitEdit, Qt::Key_Backspace);
            QTest::keyClicks(form.delayDialog->unitEdit, "10");
            QTest::keyClick(form.delayDialog->unitEdit, Qt::Key_Return);
            form.delayDialog->valueEdit->selectAll();
            QTest::keyClick(form.delayDialog->valueEdit, Qt::Key_4);
            QTest::mouseClick(form.delayDialog->okButton, Qt::LeftButton);
        });
        Click(Family::DelayPanel, 1);
        Click(Family::ContactToggle, 2);
    }
    int LogRows() {
        form.showExchangeLog();
        auto* frames = form.findChild<QTableView*>("frameList");
        return frames == nullptr ? -1 : frames->model()->rowCount();
    }
    void SavePicture(const char* name) {
        const QString pictures = QCoreApplication::applicationDirPath() + "/../pictures";
        QDir().mkpath(pictures);
        form.grab().save(pictures + "/" + name);
    }
    std::set<SchemePlace> Rows(std::initializer_list<int> rows) {
        std::set<SchemePlace> places;
        for (int row : rows)
            places.insert({SchemePlace::Kind::Row, row});
        return places;
    }
    std::vector<std::uint8_t> WaitForDump() {
        QElapsedTimer waited;
        waited.start();
        std::vector<std::uint8_t> dump;
        while ((dump = SimProcess::readDump(dumpPath)).empty() && waited.elapsed() < 3000)
            QThread::msleep(10);
        return dump;
    }

    QTemporaryDir dir;
    QString sampleFile;
    QString dumpPath = dir.filePath("dump");
    std::unique_ptr<SimProcess> sim;
    MainWindow form;
    ScriptedPreview preview;
};

const QString kNamesNote = "Имена входов и выходов не сравнивались: в устройстве их нет.";

// Read, three edits, the comparison lists exactly those three and marks their
// rows; a write makes the device match.
TEST_F(CompareScheme, ListsTheEditsMarksTheirRowsAndMatchesAfterTheWrite) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Trigger(ActionId::ReadDevice);
    ASSERT_EQ(form.model().SchemeCreated, 1);
    ShowWindow();
    EditThreeRows();
    const SchemeSnapshot edited = form.session().Snapshot();
    const QString title = form.windowTitle();
    const int rowsBefore = LogRows();

    Trigger(ActionId::CompareDevice);
    EXPECT_EQ(form.statusBar()->currentMessage(), "Сравнение выполнено");
    DifferencesPane& pane = form.differencesPane();
    EXPECT_TRUE(pane.isVisibleTo(&form));
    EXPECT_EQ(pane.heading().text(), "Устройство 1 → схема на экране:");
    EXPECT_EQ(Lines(pane.list()),
              (QStringList{"вход 1: сигнализация пред. → авар.", "вход 2: задержка 5 с → 40 с",
                           "вход 3: контакт НР → НЗ"}));
    EXPECT_EQ(pane.note().text(), kNamesNote);
    EXPECT_EQ(form.differenceMarks().places(), Rows({0, 1, 2}));
    EXPECT_EQ(form.session().Snapshot(), edited) << "the scheme on screen stays as it was";
    EXPECT_EQ(form.windowTitle(), title);
    EXPECT_EQ(form.model().Modified, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return LogRows() == rowsBefore + 4; }, 2000))
        << "identification and image, asked and answered: " << LogRows() - rowsBefore;
    SavePicture("compare-device-differences.png");

    // A line chosen selects its row.
    QListWidget& list = pane.list();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(form.model().SelectedInput, 1);
    EXPECT_EQ(form.schemeView().at(Family::InputNumber, 1).back, colours::aqua);

    // The marks last until the next edit: a dialog's edit redraws only its own
    // row, and an undone edit is a change too.
    WhenShown([this](QWidget*) {
        form.signallingDialog->signallingTypes->button(0)->click();
        QTest::mouseClick(form.signallingDialog->okButton, Qt::LeftButton);
    });
    Click(Family::SignallingPanel, 4);
    EXPECT_TRUE(form.differenceMarks().empty());
    Trigger(ActionId::CompareDevice);
    EXPECT_EQ(form.differenceMarks().places(), Rows({0, 1, 2, 4}));
    Trigger(ActionId::Undo);
    EXPECT_TRUE(form.differenceMarks().empty());
    ASSERT_EQ(form.session().Snapshot(), edited);

    form.model().AccessLevel = 1;
    {
        BoxAnswerer operatorAnswers({QMessageBox::No}); // no confirmation asked
        Trigger(ActionId::WriteDevice);
    }
    ASSERT_EQ(WaitForDump().size(), 251u);
    EXPECT_TRUE(form.differenceMarks().empty()) << "the device holds the scheme now";
    BoxAnswerer operatorAnswers({QMessageBox::Ok});
    Trigger(ActionId::CompareDevice);
    EXPECT_EQ(operatorAnswers.texts,
              QStringList{"Устройство 1 совпадает со схемой на экране.\n" + kNamesNote});
    EXPECT_FALSE(pane.isVisibleTo(&form));
}

// A silent or refusing device: the message the read gives, and nothing on
// screen changes, not even the last comparison's list and marks.
class UnreadableDevice : public CompareScheme, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnreadableDevice, GivesTheReadsMessageAndChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(Start(QString(GetParam()).split(' ')));
    ASSERT_TRUE(form.OpenSchemeFile(sampleFile));
    Click(Family::ContactToggle, 2);
    form.compareWithSchemeFile(sampleFile.toStdString());
    const SchemeSnapshot shown = form.session().Snapshot();
    const QString title = form.windowTitle();
    QStringList compared, read;
    {
        BoxAnswerer operatorAnswers({QMessageBox::Ok});
        Trigger(ActionId::CompareDevice);
        compared = operatorAnswers.texts;
    }
    EXPECT_EQ(form.session().Snapshot(), shown);
    EXPECT_EQ(form.windowTitle(), title);
    EXPECT_EQ(form.differenceMarks().places(), Rows({2}));
    EXPECT_EQ(Lines(form.differencesPane().list()), QStringList{"вход 3: контакт НР → НЗ"});
    {
        // No to the offer to save the change first.
        BoxAnswerer operatorAnswers({QMessageBox::No, QMessageBox::Ok});
        Trigger(ActionId::ReadDevice);
        read = operatorAnswers.texts;
    }
    ASSERT_EQ(compared.size(), 1);
    EXPECT_EQ(read, QStringList({"Данные были изменены. Сохранить в файле?", compared[0]}));
}

INSTANTIATE_TEST_SUITE_P(StatusOrSilence, UnreadableDevice,
                         ::testing::Values("--status 1", "--silent"));

// Another file: the names too, and a line chosen scrolls to its row.
TEST_F(CompareScheme, AFileWithOtherNamesListsTheNames) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ShowWindow();
    ASSERT_TRUE(form.OpenSchemeFile(sampleFile));
    SchemeSnapshot other = form.session().Snapshot();
    other.names.channels[1] = "Насос 2   ";
    other.names.outputs[15] = "Сирена    ";
    other.image[128 + 9 * 4] = 0; // block 5 removed from the file
    const QString otherFile = dir.filePath("other.vil");
    QString error;
    ASSERT_TRUE(WriteSchemeFile(otherFile, FileOf(other), error));
    const QString screenName = form.session().Snapshot().names.channels[1].trimmed();

    form.compareWithSchemeFile(otherFile.toStdString());
    DifferencesPane& pane = form.differencesPane();
    EXPECT_EQ(pane.heading().text(), "Файл other.vil → схема на экране:");
    // The block the file lacks is told field by field, as the sample builds it.
    EXPECT_EQ(
        Lines(pane.list()),
        (QStringList{"ФБ 5: тип нет → И-НЕ", "ФБ 5: вход 1 — → вход УСО 5, прямой",
                     "ФБ 5: вход 2 — → вход УСО 6, прямой", "ФБ 5: вход 3 — → не подключен",
                     "ФБ 5: вход 4 — → не подключен", "ФБ 5: таймер — → задержка включения",
                     "ФБ 5: сигнализация — → нет", "ФБ 5: ячейка — → 0", "ФБ 5: задержка — → 0 с",
                     "ФБ 5: выходы — → МР №1.1", "ФБ 5: блокировка — → нет",
                     "вход 2: имя «Насос 2» → «" + screenName + "»",
                     "выход МР №2.8: имя «Сирена» → «" +
                         form.schemeView().at(Family::OutputName, 15).caption.trimmed() + "»"}));
    EXPECT_FALSE(pane.note().isVisibleTo(&form));
    EXPECT_EQ(form.differenceMarks().places(),
              (std::set<SchemePlace>{{SchemePlace::Kind::Row, 1},
                                     {SchemePlace::Kind::Row, 36},
                                     {SchemePlace::Kind::OutputLine, 15}}));
    SavePicture("compare-file-names.png");

    QScrollBar* scroll = form.scrollBox().verticalScrollBar();
    ASSERT_EQ(scroll->value(), 0);
    QListWidget& list = pane.list();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(0)).center());
    EXPECT_EQ(form.model().SelectedFb, 4);
    EXPECT_EQ(form.model().SelectedInput, -1);
    const Rect block = form.schemeView().absoluteRect(Family::BlockBody, 4);
    const int viewport = form.scrollBox().viewport()->height();
    EXPECT_GE(block.y, scroll->value());
    EXPECT_LE(block.bottom(), scroll->value() + viewport) << "the block is in view";
    // The list keeps its keys: Down goes to the next line, Enter shows its row.
    const int atBlock = scroll->value();
    list.setCurrentRow(10);
    QTest::keyClick(list.viewport(), Qt::Key_Down);
    EXPECT_EQ(list.currentRow(), 11);
    EXPECT_EQ(scroll->value(), atBlock);
    QTest::keyClick(list.viewport(), Qt::Key_Return);
    EXPECT_EQ(form.model().SelectedInput, 1);
    const Rect input = form.schemeView().absoluteRect(Family::InputNumber, 1);
    EXPECT_LE(scroll->value(), input.y) << "back up at input 2";

    BoxAnswerer operatorAnswers({QMessageBox::Ok});
    form.compareWithSchemeFile(sampleFile.toStdString());
    EXPECT_EQ(operatorAnswers.texts, QStringList{"Файл 24-08.vil совпадает со схемой на экране."});
    EXPECT_TRUE(form.differenceMarks().empty());
}

// From the line window: one offer to save for one read into the main window,
// and the line window in front again after a box it asked for.
TEST_F(CompareScheme, TheLineWindowAsksOnceAndStaysInFront) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Trigger(ActionId::ReadDevice);
    const SchemeSnapshot device = form.session().Snapshot();
    ShowWindow();
    Click(Family::ContactToggle, 2);
    ASSERT_EQ(form.model().Modified, 1);
    Trigger(ActionId::ShowLine);
    LineWindow& line = *form.lineWindow();
    line.firstAddress().setValue(1);
    line.lastAddress().setValue(1);
    line.survey();
    line.view().selectRow(0);
    const QString offer = "Данные были изменены. Сохранить в файле?";
    const auto inFront = [&line] {
        return QTest::qWaitFor([&line] { return QApplication::activeWindow() == &line; }, 2000);
    };
    {
        BoxAnswerer operatorAnswers({QMessageBox::Cancel}, true);
        line.readSelected();
        EXPECT_EQ(operatorAnswers.texts, QStringList{offer});
    }
    EXPECT_TRUE(inFront());
    EXPECT_EQ(form.model().Modified, 1) << "nothing read";
    {
        BoxAnswerer operatorAnswers({QMessageBox::No}, true);
        line.readSelected();
        EXPECT_EQ(operatorAnswers.texts, QStringList{offer}) << "asked once";
    }
    EXPECT_EQ(form.session().Snapshot(), device);
    EXPECT_EQ(form.model().Modified, 0);

    QTemporaryDir folder;
    line.setBackupFolder(folder.path());
    line.backUp(false);
    form.activateWindow();
    BoxAnswerer operatorAnswers({QMessageBox::No}, true);
    line.restoreSelected();
    ASSERT_EQ(operatorAnswers.texts.size(), 1);
    EXPECT_TRUE(operatorAnswers.texts[0].startsWith("Записать в устройства их файлы из папки?"));
    EXPECT_TRUE(inFront());
}

TEST_F(CompareScheme, NothingToCompareWithoutAScheme) {
    BoxAnswerer operatorAnswers({QMessageBox::Ok, QMessageBox::Ok});
    Trigger(ActionId::CompareDevice);
    Trigger(ActionId::CompareFile);
    EXPECT_EQ(operatorAnswers.texts, QStringList(2, "Схема не создана: сравнивать не с чем."));
}

// With the option on (an item of the Порт menu, remembered), the write shows
// what it will change and sends only after "Передать"; every question of the
// write is still asked.
TEST_F(CompareScheme, TheOptionShowsTheDifferencesBeforeTheWrite) {
    QSettings store(dir.filePath("settings.ini"), QSettings::IniFormat);
    ProgramSettings settings(store);
    form.useSettings(settings);
    QAction* option = form.action(ActionId::CompareBeforeWrite);
    EXPECT_FALSE(option->isChecked()) << "off until switched on";
    QAction* item = nullptr;
    for (QAction* entry : form.findChild<QMenu*>("PortMenu")->actions())
        if (entry->text() == "Сравнивать перед выводом")
            item = entry;
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    ASSERT_NO_FATAL_FAILURE(Start());
    form.setWritePreview(preview);
    preview.bar = form.statusBar();
    Trigger(ActionId::ReadDevice);
    form.model().AccessLevel = 1;
    Click(Family::ContactToggle, 2);
    {
        BoxAnswerer operatorAnswers({QMessageBox::No});
        Trigger(ActionId::WriteDevice);
    }
    EXPECT_TRUE(preview.shown.empty()) << "off by default";
    ASSERT_EQ(WaitForDump().size(), 251u);
    QFile::remove(dumpPath);
    Click(Family::ContactToggle, 0);

    item->trigger();
    ASSERT_TRUE(option->isChecked());
    EXPECT_TRUE(item->isChecked());
    BoxAnswerer operatorAnswers({QMessageBox::No});
    Trigger(ActionId::WriteDevice);
    ASSERT_EQ(preview.shown.size(), 1u);
    EXPECT_EQ(preview.shown[0].heading, "В устройстве 1 изменится (значение в устройстве → "
                                        "значение, которое будет записано):");
    ASSERT_EQ(preview.shown[0].lines.size(), 1u);
    EXPECT_EQ(preview.shown[0].lines[0].text, "вход 1: контакт НР → НЗ");
    EXPECT_EQ(preview.shown[0].note, kNamesNote);
    EXPECT_EQ(preview.statuses,
              QStringList{"Устройство 1: различия показаны, запись ждет «Передать»"});
    QThread::msleep(300);
    EXPECT_TRUE(SimProcess::readDump(dumpPath).empty()) << "nothing sent without \"Передать\"";
    EXPECT_EQ(form.model().Modified, 1);
    EXPECT_TRUE(operatorAnswers.texts.isEmpty());

    preview.send = true;
    Trigger(ActionId::WriteDevice);
    ASSERT_EQ(WaitForDump().size(), 251u);
    EXPECT_EQ(form.model().Modified, 0);
    EXPECT_EQ(operatorAnswers.texts, QStringList{"Данные переданы. Запросить подтверждение?"});

    // Unchanged data: the question of the write comes first, then the preview.
    BoxAnswerer unchanged({QMessageBox::Yes, QMessageBox::No});
    Trigger(ActionId::WriteDevice);
    ASSERT_EQ(preview.shown.size(), 3u);
    EXPECT_EQ(preview.shown[2].heading, "Устройство 1 уже совпадает со схемой.");
    EXPECT_TRUE(preview.shown[2].lines.empty());
    EXPECT_EQ(unchanged.texts, (QStringList{"Данные не были изменены.Передавать?",
                                            "Данные переданы. Запросить подтверждение?"}));

    MainWindow restarted;
    restarted.useSettings(settings);
    EXPECT_TRUE(restarted.action(ActionId::CompareBeforeWrite)->isChecked());
    restarted.action(ActionId::CompareBeforeWrite)->trigger();
    EXPECT_FALSE(ProgramSettings(store).compareBeforeWrite());
}

// The dialog itself: Enter sends nothing; "Передать" sends. A line wider than
// the list wraps, whole in view, with no sideways scroll bar over the last.
TEST(WritePreviewDialog, SendsOnlyOnItsButtonAndWrapsLongLines) {
    WritePreviewDialog dialog(nullptr);
    QString every = "вход 2: выходы ";
    for (int output = 0; output < 16; ++output)
        every += QString("МР №%1.%2, ").arg(output / 8 + 1).arg(output % 8 + 1);
    every.chop(2);
    every += " → нет";
    const DifferenceReport report{"В устройстве 3 изменится:",
                                  {{"вход 1: контакт НР → НЗ", {SchemePlace::Kind::Row, 0}},
                                   {every.toStdString(), {SchemePlace::Kind::Row, 1}}},
                                  "заметка"};
    WhenShown([](QWidget* shown) { QTest::keyClick(shown, Qt::Key_Return); });
    EXPECT_FALSE(dialog.confirmSend(report));
    WhenShown([](QWidget* shown) {
        EXPECT_EQ(shown->findChild<QLabel*>("differenceHeading")->text(),
                  "В устройстве 3 изменится:");
        auto* list = shown->findChild<QListWidget*>("differenceList");
        const QRect wrapped = list->visualItemRect(list->item(1));
        EXPECT_GE(wrapped.height(), 2 * list->fontMetrics().height());
        EXPECT_LE(wrapped.right(), list->viewport()->rect().right());
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
        const QString pictures = QCoreApplication::applicationDirPath() + "/../pictures";
        QDir().mkpath(pictures);
        shown->grab().save(pictures + "/write-preview-wrapped.png");
        auto* send = shown->findChild<QPushButton*>("sendButton");
        EXPECT_EQ(send->text(), "Передать");
        send->click();
    });
    EXPECT_TRUE(dialog.confirmSend(report));
    EXPECT_EQ(Lines(dialog.list()), (QStringList{"вход 1: контакт НР → НЗ", every}));
}

} // namespace
