#pragma once

#include "link/Frames.h"

#include <array>
#include <cstdint>

class SchemeSession;
class DeviceLink;

// The device model list "Выбор конфигурации": tells the device at the link
// address which execution code it has. The program itself learns the new code
// only at the next read, so neither the model nor the scheme changes here.
class ModelSetting {
public:
    ModelSetting(SchemeSession& session, DeviceLink& link);

    // A row of the list was chosen (-1: none). Once the operator confirms,
    // sends its code, reports a failed exchange and hides the list, its
    // caption and "Задать конфигурацию"; declined, nothing changes.
    void chooseModel(int row);

private:
    bool confirm(int row);

    SchemeSession& session_;
    DeviceLink& link_;
    // The answer is not used, but may be any frame.
    std::array<std::uint8_t, kMaxResponseSize> reply_{};
};
