#pragma once

#include "app/LineTableModel.h"
#include "line/DeviceFiles.h"
#include "line/LineSession.h"

#include <QWidget>

#include <atomic>
#include <functional>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;

// What the line window works through: the program's one line and clock (the
// line's worker), its message boxes, the link whose port settings the
// exchanges take, the way device commands are run one at a time, and the
// exchange log.
struct LineAccess {
    SerialLine& line;
    Clock& clock;
    const DeviceLink& settings;
    // Runs a device command; false when refused because another is running.
    std::function<bool(const std::function<void()>&)> run;
    DeviceLink::FrameObserver frames;
    // The program's own message boxes, for questions and refusals.
    Messages& messages;
    // The access level the password gave the program (1 allows writing).
    std::function<int()> accessLevel;
    // Reads the device at the address into the main window, as its read
    // command does after the question about unsaved changes.
    std::function<void(int address)> readIntoWindow;
    // The port failed under the window's work and was closed: why, to be
    // shown where the program shows the port's state.
    std::function<void(const std::string& reason)> lineLost;
};

// A device row's outcome against its file, in the table's words:
// "совпадает", "отличается", or what became of the device.
QString VerdictOfDevice(const DeviceRow& row);

// The messages of the device commands run over the line go to the window's
// state line, as the tool prints them: a question takes its default, a
// failure is not retried.
class StateMessages : public Messages {
public:
    Answer show(const MessageBox& box) override;
    void beep() override {}
    std::function<void(const std::string& text)> shown;
};

// "Линия": every address of a range on the line at a glance. The survey runs
// as a device command of the program, so nothing else talks to the line
// meanwhile; this window alone takes input then, to cancel it.
class LineWindow : public QWidget {
public:
    explicit LineWindow(const LineAccess& access, QWidget* parent = nullptr);

    // Surveys the range, then reads the clock of every device that told its
    // code and, when a backup folder is chosen, compares every device heard
    // with its file there. Refused, and said so, while another device command
    // runs.
    void survey();
    // The folder of device-NN.vil files the table is held against.
    void setBackupFolder(const QString& dir);
    QString backupFolder() const;
    // Reads every device found (or the selected ones) into its file.
    void backUp(bool selectedOnly);
    // Reads every device found and compares it with its file; the selected
    // row's differences show below the table.
    void verify();
    // The selected device into the main window.
    void readSelected();
    // Every device's clock set from the computer's (one broadcast), then read
    // back; refused without write access, as in the clock dialog.
    void setClocks();
    // The selected devices written from their files, after their differences
    // have been shown and the operator agreed; write access as for a write.
    void restoreSelected();
    // The table as CSV, the commissioning report as PDF, each written whole
    // or not at all; false, with the reason in the state line, on failure.
    bool saveCsv(const QString& path);
    bool savePdf(const QString& path);
    QString reportHtml() const;
    // Called when the window closes, for remembering its place.
    std::function<void()> closed;
    // Stops what runs: the exchange under way ends at once.
    void cancel();
    bool running() const { return running_; }
    // Input for this window passes while it works on the line.
    bool takesInput(QObject* receiver) const;
    // A command of this window refused because the line is busy.
    void showLineBusy();
    // Copies the selected rows, tab-separated, to the clipboard.
    void copySelection();

    LineTableModel& table() { return model_; }
    QTableView& view() { return *view_; }
    QSpinBox& firstAddress() { return *first_; }
    QSpinBox& lastAddress() { return *last_; }
    QPushButton& cancelButton() { return *cancelButton_; }
    QProgressBar& progress() { return *progress_; }
    QPlainTextEdit& differences() { return *differences_; }
    QString stateText() const;

protected:
    // Closing cancels what runs.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    QLayout* buildFolderBar();
    // Runs work as a device command with this window's input passing, the
    // progress bar over count steps and "Отмена" ready; said so when refused.
    void runOnLine(int count, const std::function<void()>& work);
    void runSurvey();
    // The devices heard, all or only those of the selected rows.
    std::vector<SurveyRow> devices(bool selectedOnly) const;
    bool haveFolder();
    // The verdicts against the folder just chosen: "нет файла" where it holds
    // none, unknown where it holds one until the two are compared.
    void markFiles();
    struct FileCounts {
        int same = 0;
        int differ = 0;
        int missing = 0;
    };
    // Each device read and compared with its file in the folder: its row's
    // verdict and differences; a cancel stops it between two devices.
    FileCounts compareWithFiles(const std::vector<SurveyRow>& found);
    // The device's file in the folder, checked for writing into the device
    // when forWriting; nothing, with why in `error` (empty: there is none).
    std::optional<DeviceFile> fileOf(int address, bool forWriting, std::string& error) const;
    // The device read and compared with the file: the row's verdict and differences.
    Outcome compareWith(const DeviceFile& file);
    void showDifferences();
    void step(int done);
    bool stopping() const;
    QLayout* buildActionBar();
    QLayout* buildReportBar();
    // A button of work on the line (idle while the window works) at the end of bar.
    void addLineButton(QBoxLayout& bar, const char* caption, const std::function<void()>& work);
    bool writeFile(const QString& path, const QByteArray& bytes);
    bool mayWrite();
    // The differences of each device with its file, as one question.
    bool agreeToRestore(const std::vector<DeviceFile>& files);
    void readClocks(const std::vector<SurveyRow>& rows);
    void takeLinkSettings();
    void setRunning(bool on);

    LineAccess access_;
    StateMessages messages_;
    LineSession session_;
    LineTableModel model_;
    QSortFilterProxyModel* sorted_ = nullptr;
    QSpinBox* first_ = nullptr;
    QSpinBox* last_ = nullptr;
    QPushButton* surveyButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTableView* view_ = nullptr;
    QLabel* state_ = nullptr;
    QLineEdit* folder_ = nullptr;
    std::vector<QPushButton*> lineButtons_; // idle while the window works on the line
    QPlainTextEdit* differences_ = nullptr;
    std::atomic<bool> cancel_ = false;
    bool running_ = false;
    // What the port's failure under the work under way left to say, or empty.
    QString lineLoss_;
};
