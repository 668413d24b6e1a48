#pragma once

#include <functional>

class QMenuBar;
class QWidget;
class TComPortClass;

// Adds the "Настройка" menu with the port and exchange settings dialogs; the
// dialogs and their command live as children of window. linkAddressIndex
// gives the device address index a failed set-up reports.
void addLinkMenu(QMenuBar* menuBar, QWidget* window, TComPortClass& link,
                 std::function<int()> linkAddressIndex);
