#pragma once

#include "editor/SchemeView.h"
#include "model/ConfigurationModel.h"
#include "ui/Messages.h"

// Emptying, creating and laying out a scheme for the current execution code, and the
// change-configuration command that clears it and offers the device model list.
class SchemeCreation {
public:
    SchemeCreation(ConfigurationModel& model, SchemeView& view, Messages& messages)
        : model_(model), view_(view), messages_(messages) {}

    void ClearScheme();
    // "Создать конфигурацию": an empty scheme for ExecFirst/ExecSecond.
    void CreateScheme();
    void BuildScheme();
    // After a device read or file open has put an image into ImageBuffer and run
    // CreateScheme: unpack it, draw every record, recompute the wiring and show the
    // external-acknowledge state of the loaded device byte. The state is shown
    // after a repair too, so that writing the scheme back keeps it.
    void LoadImage(std::uint8_t deviceByte);
    // After LoadImage: the error box when block records had to be repaired.
    void ReportRepair();
    // After ReportRepair: one warning naming every value of the loaded image that
    // the editor never writes (ListOutOfRangeValues); nothing when there is none.
    void ReportOutOfRange();
    // "Задать конфигурацию" and "Изменить  конфигурацию".
    void ChangeConfiguration();
    // A row of the model list was chosen: the list, its caption and "Задать конфигурацию" go away.
    void ModelChosen();
    // Asked while no scheme exists; true means the operator declined and the program
    // should be left (the caller runs the exit command).
    bool PromptCreateScheme();

private:
    void clearRows();
    void clearOutputsAndBlocks();
    void hideSchemeAndHeader();
    void showTitles();

    ConfigurationModel& model_;
    SchemeView& view_;
    Messages& messages_;
};
