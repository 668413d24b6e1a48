#pragma once

#include <array>
#include <vector>

class MainWindow;

// Every command of the main window, in the order of the action list.
enum class ActionId {
    NewScheme,
    OpenFile,
    SaveFile,
    Print,
    Exit,
    ReadDevice,
    WriteDevice,
    SetUpPort,
    ShowLog,
    ShowLine,
    EditInclusion,
    EditSignalling,
    EditDelay,
    EditOutputs,
    EditFunctionBlock,
    ChangePassword,
    ShowHelp,
    Undo,
    Redo,
    CompareDevice,
    CompareFile,
    CompareBeforeWrite,
    CauseEffect,
    SaveAsPdf,
    Count
};
inline constexpr int kActionCount = static_cast<int>(ActionId::Count);

// A command of the main window; null while the command is not built, which
// leaves its action disabled.
using ActionHandler = void (MainWindow::*)();

struct ActionRow {
    ActionId id;
    const char* name; // object name of the action
    const char* category;
    const char* caption;
    const char* hint;     // tool tip and status tip; nullptr: none
    const char* shortcut; // portable key text ("Ctrl+I"; "Ctrl+Y; Ctrl+Shift+Z"); nullptr: none
    int image;            // index into the tool-bar images; -1: none
    ActionHandler handler;
    bool checkable = false; // an option: the handler runs after each switch
};

// An entry of a menu; a caption or hint given here replaces the action's.
struct MenuItemRow {
    ActionId action;
    const char* caption = nullptr;
    const char* hint = nullptr;
};

// A top item of the main menu. One without items is a command of its own.
struct MenuRow {
    const char* name;
    const char* caption;
    const char* hint; // nullptr: none
    std::vector<MenuItemRow> items;
    ActionHandler handler = nullptr;
};

enum class ToolKind { Action, Separator, WideSeparator, Button };

// A place on the tool bar: an action's button (hint replaces the action's when
// given), a separator, or a button of its own with an image and a command.
struct ToolRow {
    ToolKind kind;
    ActionId action = ActionId::Count;
    const char* hint = nullptr;
    int image = -1;
    ActionHandler handler = nullptr;
    const char* name = nullptr;
};

const std::array<ActionRow, kActionCount>& ActionRows();
const std::vector<MenuRow>& MenuRows();
const std::vector<ToolRow>& ToolRows();
