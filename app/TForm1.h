#pragma once

#include "device/DeviceCommandRunner.h"
#include "device/DeviceConfiguration.h"
#include "device/ExitQuestions.h"
#include "editor/SchemeCreation.h"
#include "editor/SchemeView.h"
#include "editor/SchemeWindow.h"
#include "files/SchemeFileCommands.h"
#include "files/gui/QtSchemeFileDialogs.h"
#include "link/TComPortClass.h"
#include "link/gui/QtSerialLine.h"
#include "model/TProgVilClass.h"
#include "print/PrintCommand.h"
#include "print/gui/QtPrinting.h"
#include "ui/Clock.h"
#include "ui/gui/LineEditField.h"
#include "ui/gui/QtMessages.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class SchemeCanvas;
class TFPSW;

// The programmer's main window: the header strip and the scheme. It owns the
// configuration model and its scheme view for the whole run; commands live in the
// core classes and the window only wires its widgets to them.
class TForm1 : public QMainWindow, public SchemeWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TProgVilClass& model() { return model_; }
    SchemeView& schemeView() { return view_; }
    SchemeCreation& schemeCreation() { return creation_; }
    Messages& messages() { return messages_; }
    Clock& clock() { return clock_; }
    TComPortClass& comPort() { return comPort_; }
    SchemeCanvas& schemeCanvas() { return *canvas_; }
    QScrollArea& scrollBox() { return *ScrollBox1; }

    void scrollSchemeTo(int y);

    // Device commands run here one at a time, under the wait cursor; false when
    // dropped because another is still running.
    bool runDeviceCommand(const std::function<void()>& command);
    DeviceConfiguration& deviceConfiguration() { return device_; }
    // "Открыть схему" (F3) and "Сохранить как ..." (F2); the exit questions save
    // through SaveScheme.
    void OpenScheme();
    void SaveScheme();
    QtSchemeFileDialogs& fileDialogs() { return fileDialogs_; }
    // "Печать" (F4): the print command on the run's printer, under the wait cursor.
    void PrintScheme();
    // The print dialog the command shows; tests put a scripted one here.
    void setPrintDialog(PrintDialog& dialog) { printDialog_ = &dialog; }

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
    void focusScheme() override;
    void focusFirstControl() override;
    void requestExit() override;

    // Header controls, named as the window knows them.
    QComboBox* CBoxUstr = nullptr;  // "Устр. №": device that exchanges go to
    QComboBox* CBoxUstrZ = nullptr; // "Изм. № устр.": device number written into the scheme
    QLineEdit* Edit1 = nullptr;     // first part of the execution code
    QLineEdit* Edit2 = nullptr;     // second part
    QPushButton* Button1 = nullptr; // "Задать конфигурацию"
    QPushButton* Button2 = nullptr; // "Создать конфигурацию" (hidden)
    QPushButton* Button3 = nullptr; // "Изменить  конфигурацию"
    QComboBox* ComboBox1 = nullptr; // model list "Выбор конфигурации"
    QToolButton* PVnKvit = nullptr; // external acknowledge
    QPushButton* ButTimeDate = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QAction* AInPort = nullptr;  // "Ввод с СОМ-порта", F9
    QAction* AOutPort = nullptr; // "Вывод на СОМ-порт", F10

protected:
    void showEvent(QShowEvent* event) override;
    // The offers to save and transfer changed data, the closing notice, and the
    // port closed.
    void closeEvent(QCloseEvent* event) override;
    // Key preview: the window sees every key pressed in it before its controls do.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    bool FormKeyDown(int key);
    void buildHeader(QWidget* strip);
    void buildExecCodeFields(QWidget* strip);
    void buildConfigurationControls(QWidget* strip);
    void buildDeviceControls(QWidget* strip);
    void buildScheme(QWidget* central);
    void connectHeader();
    void connectLink();
    void buildFileMenu();
    void connectDevice();
    void bindPrintKey();

    QtMessages messages_;
    // The device link of the whole run; built before the model.
    SystemClock clock_;
    QtSerialLine serialLine_;
    TComPortClass comPort_{serialLine_, clock_, messages_};
    TProgVilClass model_;
    SchemeView view_;
    SchemeCreation creation_;
    DeviceConfiguration device_{model_, view_, creation_, comPort_, *this, messages_};
    DeviceCommandRunner deviceRunner_;
    ExitQuestions exit_{model_, messages_};
    QtSchemeFileDialogs fileDialogs_{this};
    SchemeFileCommands fileCommands_{model_, view_, creation_, *this, messages_, fileDialogs_};
    PrintCommand printCommand_{model_, view_, messages_};
    SchemePrinter printer_{this};
    PrintDialog* printDialog_ = &printer_.dialog();
    SchemeCanvas* canvas_ = nullptr;
    TFPSW* FPSW = nullptr;       // the password dialog
    QLabel* LabUstrZ = nullptr;  // "Изм. № устр."
    QLabel* LabVnKvit = nullptr; // "Вн. квит."
    QLabel* LabConfig = nullptr; // "Выбор конфигурации"
    LineEditField edit1Field_{Edit1};
    LineEditField edit2Field_{Edit2};
    bool shown_ = false;
};
