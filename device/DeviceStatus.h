#pragma once

#include "link/ExchangeResult.h"

#include <string>

class DeviceLink;
class ConfigurationModel;

// What the status bar says about the link and the device commands.

// Compare reads the device as Read does, but replaces nothing on screen.
enum class DeviceCommandKind { Read, Write, Compare };

// "COM1 9600 8N2" while the port is open, else "Порт закрыт", and why when it
// failed: "Порт закрыт: COM1 отключен (Input/output error)".
std::string PortStatusText(const DeviceLink& link);
std::string AccessStatusText(const ConfigurationModel& model);
// "Устройство 5" for address index 4.
std::string DeviceStatusText(int addressIndex);
// "Устройство 5: чтение конфигурации…", with the attempt from the second one on.
std::string ProgressStatusText(DeviceCommandKind kind, int addressIndex, int attempt);
// How a command ended: done, or the failed exchange that ended it (kResultOk
// when it ended for another reason: a refusal, a question answered No).
std::string OutcomeStatusText(DeviceCommandKind kind, int addressIndex, bool done,
                              ExchangeResult lastResult);
