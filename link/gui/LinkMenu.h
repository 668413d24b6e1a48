#pragma once

#include <functional>

class QMenu;
class QWidget;
class TComPortClass;

// Adds "Настройка СОМ порта" (action APort) to the port menu; the exchange
// settings are reached from inside its dialog. The dialogs and their command
// live as children of window. linkAddressIndex gives the device address index
// a failed set-up reports.
void addLinkMenu(QMenu* portMenu, QWidget* window, TComPortClass& link,
                 std::function<int()> linkAddressIndex);
