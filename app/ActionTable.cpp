// The one list of the main window's commands; menus and tool bar are built from it.
#include "app/ActionTable.h"

#include "app/AppTexts.h"
#include "app/TForm1.h"

using namespace app_text;
using A = ActionId;

const std::array<ActionRow, kActionCount>& ActionRows() {
    // A null handler: the command is not built yet, the action stays disabled.
    static const std::array<ActionRow, kActionCount> rows{{
        {A::ANewScheme, "ANewScheme", kCategoryFile, kActionNewScheme, kHintNewScheme, "Ctrl+N", 17,
         &TForm1::NewSchemeClick},
        {A::AOpenFile, "AOpenFile", kCategoryFile, kActionOpenFile, kActionOpenFile, "F3", 0,
         &TForm1::OpenScheme},
        {A::ASaveFile, "ASaveFile", kCategoryFile, kActionSaveFile, kHintSaveFile, "F2", 1,
         &TForm1::SaveScheme},
        {A::APrint, "APrint", kCategoryFile, kActionPrint, kHintPrint, "F4", 5,
         &TForm1::PrintScheme},
        {A::AClose, "AClose", kCategoryFile, kActionClose, nullptr, "Alt+X", -1,
         &TForm1::requestExit},
        {A::AInPort, "AInPort", kCategoryPort, kActionInPort, kActionInPort, "F9", 2,
         &TForm1::InPortClick},
        {A::AOutPort, "AOutPort", kCategoryPort, kActionOutPort, kActionOutPort, "F10", 3,
         &TForm1::OutPortClick},
        {A::APort, "APort", kCategoryPort, kActionPort, kActionPort, nullptr, 16,
         &TForm1::PortClick},
        {A::ALog, "ALog", kCategoryPort, kActionLog, kActionLog, "Ctrl+L", -1,
         &TForm1::ExchangeLogClick},
        {A::AText, "AText", kCategoryProgramming, kActionText, kHintText, "Ctrl+I", 14,
         &TForm1::NTextClick},
        {A::ASign, "ASign", kCategoryProgramming, kActionSign, kActionSign, "Ctrl+S", 7,
         &TForm1::SignClick},
        {A::AZader, "AZader", kCategoryProgramming, kActionZader, kActionZader, "Ctrl+T", 10,
         &TForm1::ZaderClick},
        {A::ABlVyh, "ABlVyh", kCategoryProgramming, kActionBlVyh, kActionBlVyh, "Ctrl+O", 8,
         &TForm1::VyhClick},
        {A::AFB, "AFB", kCategoryProgramming, kActionFB, kHintFB, "Ctrl+B", 12, &TForm1::ANDClick},
        {A::AParol, "AParol", kCategoryPassword, kActionParol, kActionParol, "F8", 6,
         &TForm1::N1ParolClick},
        {A::AHelp, "AHelp", kCategoryHelp, kActionHelp, kActionHelp, "F1", 15,
         &TForm1::NHelp1Click},
        {A::AUndo, "AUndo", kCategoryEdit, kActionUndo, kHintUndo, "Ctrl+Z", 18,
         &TForm1::UndoClick},
        {A::ARedo, "ARedo", kCategoryEdit, kActionRedo, kHintRedo, "Ctrl+Y; Ctrl+Shift+Z", 19,
         &TForm1::RedoClick},
    }};
    return rows;
}

const std::vector<MenuRow>& MenuRows() {
    static const std::vector<MenuRow> rows{
        {"N1File",
         kMenuFile,
         kCategoryFile,
         {{A::ANewScheme}, {A::AOpenFile}, {A::ASaveFile}, {A::APrint}, {A::AClose}}},
        {"NEdit", kMenuEdit, nullptr, {{A::AUndo}, {A::ARedo}}},
        {"N2Port", kMenuPort, nullptr, {{A::AInPort}, {A::AOutPort}, {A::APort}, {A::ALog}}},
        {"N1FuncBl",
         kMenuProgramming,
         nullptr,
         {{A::AText, kMenuItemText},
          {A::ASign},
          {A::AZader},
          {A::ABlVyh},
          {A::AFB, nullptr, kActionFB}}},
        {"Parol", kMenuPassword, kActionParol, {{A::AParol, nullptr, kHintMenuItemParol}}},
        {"N3Help", kMenuHelp, nullptr, {{A::AHelp}}},
        {"HelpConT", kMenuContextHelp, kHintContextHelp, {}, &TForm1::HelpConTClick},
    };
    return rows;
}

const std::vector<ToolRow>& ToolRows() {
    using K = ToolKind;
    static const std::vector<ToolRow> rows{
        {K::Action, A::ANewScheme},
        {K::Action, A::AOpenFile},
        {K::Action, A::ASaveFile},
        {K::Action, A::APrint, kActionPrint},
        {K::Separator},
        {K::Action, A::AUndo},
        {K::Action, A::ARedo},
        {K::Separator},
        {K::Action, A::AInPort},
        {K::Action, A::AOutPort},
        // Runs the port settings itself rather than through APort.
        {K::Button, A::Count, kActionPort, 16, &TForm1::PortClick, "PortButton"},
        {K::Separator},
        {K::Action, A::AText},
        {K::Action, A::ASign},
        {K::Action, A::AZader},
        {K::Action, A::ABlVyh},
        {K::Action, A::AFB, kActionFB},
        {K::Separator},
        {K::Action, A::AParol},
        {K::WideSeparator},
        {K::Action, A::AHelp},
    };
    return rows;
}
