#pragma once

#include "app/ActionTable.h"

#include <array>

class QAction;
class MainWindow;

using ActionSet = std::array<QAction*, kActionCount>;

// Builds the window's actions from the action table, then its main menu and
// tool bar. The actions live on the window, so their keys work wherever the
// focus is; menu items and tool-bar buttons are views of them that may show a
// caption or hint of their own and follow their enabled state.
ActionSet BuildMainActions(MainWindow& window);

// The action a menu item or tool-bar button stands for (itself for an action).
QAction* SourceAction(QAction* view);
