// The one list of the main window's commands; menus and tool bar are built from it.
#include "app/ActionTable.h"

#include "app/AppTexts.h"
#include "app/MainWindow.h"
#include "print/PrintTexts.h"

using namespace app_text;
using A = ActionId;

const std::array<ActionRow, kActionCount>& ActionRows() {
    // A null handler: the command is not built yet, the action stays disabled.
    static const std::array<ActionRow, kActionCount> rows{{
        {A::NewScheme, "NewScheme", kCategoryFile, kActionNewScheme, kHintNewScheme, "Ctrl+N", 17,
         &MainWindow::newScheme},
        {A::OpenFile, "OpenFile", kCategoryFile, kActionOpenFile, kActionOpenFile, "F3", 0,
         &MainWindow::OpenScheme},
        {A::SaveFile, "SaveFile", kCategoryFile, kActionSaveFile, kHintSaveFile, "F2", 1,
         &MainWindow::SaveScheme},
        {A::Print, "Print", kCategoryFile, kActionPrint, kHintPrint, "F4", 5,
         &MainWindow::PrintScheme},
        {A::Exit, "Exit", kCategoryFile, kActionClose, nullptr, "Alt+X", -1,
         &MainWindow::requestExit},
        {A::ReadDevice, "ReadDevice", kCategoryPort, kActionInPort, kActionInPort, "F9", 2,
         &MainWindow::readDevice},
        {A::WriteDevice, "WriteDevice", kCategoryPort, kActionOutPort, kActionOutPort, "F10", 3,
         &MainWindow::writeDevice},
        {A::SetUpPort, "SetUpPort", kCategoryPort, kActionPort, kActionPort, nullptr, 16,
         &MainWindow::showPortSettings},
        {A::ShowLog, "ShowLog", kCategoryPort, kActionLog, kActionLog, "Ctrl+L", -1,
         &MainWindow::showExchangeLog},
        {A::ShowLine, "ShowLine", kCategoryPort, kActionLine, kActionLine, "Ctrl+Shift+L", -1,
         &MainWindow::showLineWindow},
        {A::EditInclusion, "EditInclusion", kCategoryProgramming, kActionText, kHintText, "Ctrl+I",
         14, &MainWindow::editInclusion},
        {A::EditSignalling, "EditSignalling", kCategoryProgramming, kActionSignalling,
         kActionSignalling, "Ctrl+S", 7, &MainWindow::editSignalling},
        {A::EditDelay, "EditDelay", kCategoryProgramming, kActionDelay, kActionDelay, "Ctrl+T", 10,
         &MainWindow::editDelay},
        {A::EditOutputs, "EditOutputs", kCategoryProgramming, kActionOutputs, kActionOutputs,
         "Ctrl+O", 8, &MainWindow::editOutputs},
        {A::EditFunctionBlock, "EditFunctionBlock", kCategoryProgramming, kActionFB, kHintFB,
         "Ctrl+B", 12, &MainWindow::editFunctionBlock},
        {A::ChangePassword, "ChangePassword", kCategoryPassword, kActionPassword, kActionPassword,
         "F8", 6, &MainWindow::changePassword},
        {A::ShowHelp, "ShowHelp", kCategoryHelp, kActionHelp, kActionHelp, "F1", 15,
         &MainWindow::showHelpContents},
        {A::Undo, "Undo", kCategoryEdit, kActionUndo, kHintUndo, "Ctrl+Z", 18,
         &MainWindow::undoStep},
        {A::Redo, "Redo", kCategoryEdit, kActionRedo, kHintRedo, "Ctrl+Y; Ctrl+Shift+Z", 19,
         &MainWindow::redoStep},
        {A::CompareDevice, "CompareDevice", kCategoryPort, kActionCompareDevice, kHintCompareDevice,
         "Ctrl+F9", -1, &MainWindow::compareWithDevice},
        {A::CompareFile, "CompareFile", kCategoryFile, kActionCompareFile, kHintCompareFile,
         "Ctrl+F3", -1, &MainWindow::compareWithFile},
        {A::CompareBeforeWrite, "CompareBeforeWrite", kCategoryPort, kActionCompareBeforeWrite,
         kHintCompareBeforeWrite, nullptr, -1, &MainWindow::rememberCompareBeforeWrite, true},
        {A::CauseEffect, "CauseEffect", kCategoryFile, print_text::kTitleMatrix, kHintCauseEffect,
         "Ctrl+M", -1, &MainWindow::showCauseEffect},
        {A::SaveAsPdf, "SaveAsPdf", kCategoryFile, print_text::kActionSavePdf,
         print_text::kActionSavePdf, nullptr, -1, &MainWindow::saveSchemeAsPdf},
    }};
    return rows;
}

const std::vector<MenuRow>& MenuRows() {
    static const std::vector<MenuRow> rows{
        {"FileMenu",
         kMenuFile,
         kCategoryFile,
         {{A::NewScheme},
          {A::OpenFile},
          {A::CompareFile},
          {A::SaveFile},
          {A::Print},
          {A::SaveAsPdf},
          {A::CauseEffect},
          {A::Exit}}},
        {"EditMenu", kMenuEdit, nullptr, {{A::Undo}, {A::Redo}}},
        {"PortMenu",
         kMenuPort,
         nullptr,
         {{A::ReadDevice},
          {A::WriteDevice},
          {A::CompareDevice},
          {A::CompareBeforeWrite},
          {A::SetUpPort},
          {A::ShowLog},
          {A::ShowLine}}},
        {"ProgrammingMenu",
         kMenuProgramming,
         nullptr,
         {{A::EditInclusion, kMenuItemText},
          {A::EditSignalling},
          {A::EditDelay},
          {A::EditOutputs},
          {A::EditFunctionBlock, nullptr, kActionFB}}},
        {"PasswordMenu",
         kMenuPassword,
         kActionPassword,
         {{A::ChangePassword, nullptr, kHintMenuItemPassword}}},
        {"HelpMenu", kMenuHelp, nullptr, {{A::ShowHelp}}},
        {"ContextHelp", kMenuContextHelp, kHintContextHelp, {}, &MainWindow::startContextHelp},
    };
    return rows;
}

const std::vector<ToolRow>& ToolRows() {
    using K = ToolKind;
    static const std::vector<ToolRow> rows{
        {K::Action, A::NewScheme},
        {K::Action, A::OpenFile},
        {K::Action, A::SaveFile},
        {K::Action, A::Print, kActionPrint},
        {K::Separator},
        {K::Action, A::Undo},
        {K::Action, A::Redo},
        {K::Separator},
        {K::Action, A::ReadDevice},
        {K::Action, A::WriteDevice},
        // Runs the port settings itself rather than through SetUpPort.
        {K::Button, A::Count, kActionPort, 16, &MainWindow::showPortSettings, "PortButton"},
        {K::Separator},
        {K::Action, A::EditInclusion},
        {K::Action, A::EditSignalling},
        {K::Action, A::EditDelay},
        {K::Action, A::EditOutputs},
        {K::Action, A::EditFunctionBlock, kActionFB},
        {K::Separator},
        {K::Action, A::ChangePassword},
        {K::WideSeparator},
        {K::Action, A::ShowHelp},
    };
    return rows;
}
