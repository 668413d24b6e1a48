#pragma once

#include <string>

class DeviceLink;

// Before a device command: a port lost under an earlier one is opened again,
// once, with its settings. false, after saying why, when it stays closed: the
// command then sends nothing. reopened gets the words for a port opened again
// ("COM1: порт открыт снова"), and stays empty otherwise.
bool PortReadyForCommand(DeviceLink& link, std::string& reopened);
