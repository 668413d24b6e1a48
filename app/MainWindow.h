#pragma once

#include "app/HeaderFlow.h"
#include "app/MainActions.h"
#include "app/ondemand/PortsAndPrinters.h"
#include "device/DeviceCommandRunner.h"
#include "device/DeviceConfiguration.h"
#include "device/DeviceStatus.h"
#include "device/ExitQuestions.h"
#include "device/ExternalAck.h"
#include "device/ModelSetting.h"
#include "device/NewScheme.h"
#include "editor/DifferenceMarks.h"
#include "editor/SchemeClicks.h"
#include "editor/SchemeSession.h"
#include "editor/gui/SchemeHistory.h"
#include "files/SchemeFileCommands.h"
#include "files/gui/QtSchemeFileDialogs.h"
#include "link/DeviceLink.h"
#include "link/ExchangeLog.h"
#include "link/PortSettings.h"
#include "link/serial/LineWorker.h"
#include "model/ConfigurationModel.h"
#include "print/PrintCommand.h"
#include "print/gui/QtPrinting.h"
#include "ui/Clock.h"
#include "ui/gui/LineEditField.h"
#include "ui/gui/QtMessages.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class DifferencesPane;
struct DifferenceReport;
class ExchangeLogWindow;
class LineWindow;
class HelpViewer;
class ProgramSettings;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;
class SchemeCanvas;
class QtPasswordDialog;
class QtFunctionBlockDialog;
class QtExchangeDialog;
class QtPortDialog;
class QtSignallingDialog;
class QtClockDialog;
class QtInclusionDialog;
class QtOutputsDialog;
class QtDelayDialog;
class WritePreview;

// The programmer's main window: the header strip and the scheme. It owns the
// configuration model and its scheme view for the whole run; commands live in the
// core classes and the window only wires its widgets to them.
class MainWindow : public QMainWindow, public SchemeWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    SchemeSession& session() { return session_; }
    ConfigurationModel& model() { return session_.model; }
    SchemeView& schemeView() { return session_.view; }
    SchemeCreation& schemeCreation() { return session_.creation; }
    Messages& messages() { return messages_; }
    Clock& clock() { return clock_; }
    DeviceLink& comPort() { return comPort_; }
    SchemeCanvas& schemeCanvas() { return *canvas_; }
    QScrollArea& scrollBox() { return *schemeScrollBox; }

    // Device commands run here one at a time, under the wait cursor; false when
    // refused because another is still running (the status bar says so). Their exchanges run on the
    // line's worker thread while the window repaints and takes no input.
    bool runDeviceCommand(const std::function<void()>& command);
    // The same, telling the status bar what is under way and how it ended;
    // command returns whether it did its work.
    bool runDeviceCommand(DeviceCommandKind kind, const std::function<bool()>& command);
    // The status bar's fields: the port, the access level, the device.
    void refreshStatus();
    // A command refused because an exchange is still under way.
    void showLineBusy();
    // The scheme the last device command's outcome spoke of has gone: so does
    // the outcome from the status bar.
    void forgetOutcome();
    // How long the outcome of a command stays in the status bar.
    static constexpr int kOutcomeShownMs = 8000;
    DeviceConfiguration& deviceConfiguration() { return device_; }
    QtSchemeFileDialogs& fileDialogs() { return fileDialogs_; }
    // The window's action of a command (menus and tool bar show it).
    QAction* action(ActionId id) const { return actions_[static_cast<int>(id)]; }
    HelpViewer& help() { return *help_; }

    // Commands of the action table. "Открыть схему" (F3) and "Сохранить как ..."
    // (F2); the exit questions save through SaveScheme. Changes not yet saved
    // are offered for saving before another scheme replaces them.
    void OpenScheme();
    void SaveScheme();
    // A scheme file named outside the open dialog: a recent file, the command
    // line, a file dropped on the window. true when it was opened.
    bool OpenSchemeFile(const QString& path);
    // "Новая схема…" (Ctrl+N): a scheme for a chosen code without a device.
    void newScheme();
    // The dialog the command shows; tests put a scripted one here.
    void setNewSchemeDialog(NewSchemeDialog& dialog) { newSchemeDialog_ = &dialog; }

    // What the window keeps between runs. Without it (as in tests) nothing is
    // remembered. Takes back the port and exchange settings, the geometry, the
    // folder and the recent files; the port of an earlier run (or portName,
    // when given) is opened if it is there. Returns whether the port is open.
    bool useSettings(ProgramSettings& settings, const QString& portName = {});
    // A scheme file to open once the password has been asked.
    void setStartFile(const QString& path) { startFile_ = path; }
    QMenu* recentFilesMenu() const { return recentMenu_; }
    // The caption as the commands set it, without the modified mark.
    QString caption() const;
    // The title's modified mark follows `Modified`.
    void showModified();
    // Where the print dialog proposes a PDF: beside the scheme's file, named
    // after it, or "устройство N.pdf" for a scheme without a file.
    QString proposedPdfPath() const;
    // The same for the scheme file that "Сохранить как ..." offers.
    QString proposedPath(const QString& extension) const;
    void readDevice();
    // The read once unsaved changes have been offered for saving.
    void readOfferedDevice();
    void writeDevice();
    void showPortSettings();
    // "Журнал обмена" (Ctrl+L): the window listing the frames of the link.
    void showExchangeLog();
    // "Линия" (Ctrl+Shift+L): every device of the line at a glance.
    void showLineWindow();
    LineWindow* lineWindow() const { return lineWindow_; }
    void changePassword();
    // "Вызов справки": the help window at its contents.
    void showHelpContents();
    // "?": the help cursor; the next mouse-down on a scheme element shows its topic.
    void startContextHelp();

    // The click handler of every scheme element: selection, then its command.
    void clickElement(ElementRef element);
    // Mouse-down on a scheme element: context help while the help cursor is on.
    void pressElement(ElementRef element);
    // "Печать" (F4): the print command on the run's printer, under the wait cursor.
    void PrintScheme();
    // "Причины и действия" (Ctrl+M): the cause-and-effect matrix of the scheme on
    // screen and the device's acceptance-test protocol, in a window of their own.
    void showCauseEffect();
    // "Сохранить в PDF…": the printout into a PDF file chosen in a file dialog.
    void saveSchemeAsPdf();
    // The print dialog the command shows; tests put a scripted one here.
    void setPrintDialog(PrintDialog& dialog) { printDialog_ = &dialog; }

    // Programming commands on the selected row, each with its dialog; the
    // scheme is repainted afterwards.
    void editInclusion();
    void editSignalling();
    void editDelay();
    void editOutputs();
    void editFunctionBlock();
    // A click on the contact toggle of a slot.
    void toggleContact(int slot);
    // "Отменить" (Ctrl+Z) and "Повторить" (Ctrl+Y, Ctrl+Shift+Z): a step of the
    // scheme's history back or forward.
    void undoStep();
    void redoStep();
    SchemeHistory& history() { return history_; }

    // "Сравнить с прибором" (Ctrl+F9) and "Сравнить со схемой…" (Ctrl+F3): the
    // differences from the device at "Устр. №" or from a scheme file to the
    // scheme on screen, listed in the differences pane and marked on the
    // scheme until it changes; the scheme itself is left as it is.
    void compareWithDevice();
    void compareWithFile();
    // The same with a file named without the open dialog.
    void compareWithSchemeFile(const std::string& path);
    // "Сравнивать перед выводом": the option is kept in the settings.
    void rememberCompareBeforeWrite();
    DifferencesPane& differencesPane();
    const DifferenceMarks& differenceMarks() const { return differenceMarks_; }
    // The preview the write shows when the option is on; tests put a scripted one here.
    void setWritePreview(WritePreview& preview) { writePreview_ = &preview; }
    QtInclusionDialog* inclusionDialog = nullptr;
    QtSignallingDialog* signallingDialog = nullptr;
    QtDelayDialog* delayDialog = nullptr;
    QtOutputsDialog* outputsDialog = nullptr;
    QtFunctionBlockDialog* blockDialog = nullptr;

    // SchemeWindow
    EntryField& firstCodeField() override { return edit1Field_; }
    EntryField& secondCodeField() override { return edit2Field_; }
    void showExecCode(int first, int second) override;
    void selectLinkAddress(int index) override;
    void selectDeviceNumber(int index) override;
    void setCaption(const std::string& caption) override;
    void setTimeDateEnabled(bool enabled) override;
    bool externalAckDown() const override;
    void syncScheme() override;
    void scrollSchemeToTop() override;
    void scrollSchemeTo(int y) override;
    void focusScheme() override;
    void focusFirstControl() override;
    void requestExit() override;

    // The default layout: the header strip over the scheme; the scheme grows
    // with the window.
    static constexpr int kDefaultWidth = 843;
    static constexpr int kHeaderHeight = 77;
    static constexpr int kSchemeLeft = 4;
    static constexpr int kSchemeWidth = 825;
    static constexpr int kSchemeHeight = 553;
    // The strip left free under the scheme by the first window's layout.
    static constexpr int kSchemeBottom = 28;
    // Opens the window at its default size centred in area (a screen's
    // available area), frame included; moved and, where needed, made smaller
    // so that all of it lies inside.
    void placeOnScreen(const QRect& area);

    // Header controls, named as the window knows them.
    QComboBox* linkAddressBox = nullptr; // "Устр. №": device that exchanges go to
    QComboBox* schemeDeviceNumberBox =
        nullptr; // "Изм. № устр.": device number written into the scheme
    QLineEdit* firstCodeEdit = nullptr;        // first part of the execution code
    QLineEdit* secondCodeEdit = nullptr;       // second part
    QPushButton* setConfigButton = nullptr;    // "Задать конфигурацию"
    QPushButton* createConfigButton = nullptr; // "Создать конфигурацию" (hidden)
    QPushButton* changeConfigButton = nullptr; // "Изменить  конфигурацию"
    QComboBox* modelList = nullptr;            // model list "Выбор конфигурации"
    QToolButton* externalAckButton = nullptr;  // external acknowledge
    QPushButton* timeDateButton = nullptr;     // "Задание времени и даты"
    QtClockDialog* timeDateDialog = nullptr;
    QScrollArea* headerArea = nullptr;
    QScrollArea* schemeScrollBox = nullptr;
    QLineEdit* outputNameEdit = nullptr; // in-place output name

protected:
    void showEvent(QShowEvent* event) override;
    // The offers to save and transfer changed data, the closing notice, and the
    // port closed.
    void closeEvent(QCloseEvent* event) override;
    // Key preview: the window sees every key pressed in it before its controls
    // do; the scheme follows the size of the window; the status bar is brought
    // up to date whenever the window becomes active.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A ".vil" file dropped on the window opens as "Открыть схему" would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createWindow();
    void onShow();
    bool handleKey(int key);
    QWidget* buildHeaderArea(QWidget* central);
    void buildHeader(QWidget* strip);
    void buildExecCodeFields(QWidget* strip);
    void buildConfigurationControls(QWidget* strip);
    void buildDeviceControls(QWidget* strip);
    void buildScheme(QWidget* central);
    void connectHeader();
    void connectLink();
    void connectDevice();
    void createDialogs();
    void buildOutputNameEditor();
    void connectScheme();
    void openOutputEditor(int line);
    // The in-place editor lost the focus (or a click comes): commit its text.
    void commitOutputName();
    // Commits the name being edited and closes its editor.
    void finishOutputName();
    void buildStatusBar();
    void keepOnScreen();
    QRect availableArea() const;
    void layoutScheme();
    void changeConfiguration();
    void buildRecentMenu();
    void refreshRecentMenu();
    void openRecentFile(const QString& path);
    // The scheme on screen came from (or went to) this file.
    void rememberFile(const QString& path);
    void openStartFile();
    void connectHistory();
    // Runs a change to the scheme as one step of its history, named after the
    // command and the row it works on.
    void edit(const char* command, const std::function<void()>& change);
    void connectComparison();
    bool mayCompare();
    void showComparison(const DifferenceReport& report, const QString& sameText);
    // The write's preview: false when the device could not be read or the
    // operator did not choose "Передать".
    bool previewWrite();
    // A line of the differences pane chosen: its row selected and scrolled to.
    void showDifferencePlace(SchemePlace place);
    void forgetDifferenceMarks();

    QtMessages messages_;
    // The device link of the whole run; built before the model. The line and
    // the pauses of the exchanges live on the worker thread.
    SystemClock systemClock_;
    // Every frame of the run's exchanges; its window is made when first asked for.
    ExchangeLog exchangeLog_;
    ExchangeLogWindow* exchangeLogWindow_ = nullptr;
    LineWindow* lineWindow_ = nullptr; // made when first asked for
    HeaderFlow headerFlow_;            // the header's groups of controls, wrapped to the width
    LineWorker lineWorker_;
    WorkerClock clock_{lineWorker_, systemClock_};
    WorkerSerialLine serialLine_{lineWorker_, [] { return portsAndPrinters().newSerialLine(); }};
    DeviceLink comPort_{serialLine_, clock_, messages_};
    // The configuration and its scheme, after the link.
    SchemeSession session_{messages_, *this};
    ConfigurationModel& model_ = session_.model;
    SchemeView& view_ = session_.view;
    DeviceConfiguration device_{session_, comPort_};
    ModelSetting modelSetting_{session_, comPort_};
    ExternalAck externalAck_{session_};
    DeviceCommandRunner deviceRunner_;
    ExitQuestions exit_{model_, messages_};
    QtSchemeFileDialogs fileDialogs_{this};
    SchemeFileCommands fileCommands_{session_, fileDialogs_};
    SchemeClicks clicks_{session_};
    SchemeHistory history_{session_};
    NewSchemeCommand newScheme_{session_, exit_};
    NewSchemeDialog* newSchemeDialog_ = nullptr;
    ProgramSettings* settings_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    // The file of the scheme on screen; empty for a scheme read from a device or
    // made new.
    QString schemeFile_;
    QString startFile_;
    PrintCommand printCommand_{session_};
    SchemePrinter printer_{portsAndPrinters(), this};
    PrintDialog* printDialog_ = &printer_.dialog();
    SchemeCanvas* canvas_ = nullptr;
    ActionSet actions_{};
    HelpViewer* help_ = nullptr;
    DifferencesPane* differencesPane_ = nullptr;
    DifferenceMarks differenceMarks_;
    WritePreview* writePreview_ = nullptr;
    bool helpCursor_ = false;
    // The dialogs, made once at start-up in this order, freed in the reverse one.
    QtPasswordDialog* passwordDialog = nullptr;
    QtPortDialog* portDialog = nullptr;
    QtExchangeDialog* exchangeDialog = nullptr;
    std::unique_ptr<PortSettingsCommand> portSettings_;
    QLabel* deviceNumberLabel = nullptr; // "Изм. № устр."
    QLabel* externalAckLabel = nullptr;  // "Вн. квит."
    QLabel* modelListLabel = nullptr;    // "Выбор конфигурации"
    QLabel* portStatus_ = nullptr;
    QLabel* accessStatus_ = nullptr;
    QLabel* deviceStatus_ = nullptr;
    ExchangeResult lastResult_ = kResultOk;
    // How the last device command ended, as the status bar said it.
    QString lastOutcome_;
    // The port was opened again before the command under way: said with its outcome.
    QString reopenNotice_;
    LineEditField edit1Field_{firstCodeEdit};
    LineEditField edit2Field_{secondCodeEdit};
    bool shown_ = false;
};
