#pragma once

#include "device/DeviceConfiguration.h"
#include "link/DeviceLink.h"

// What reading a device's configuration needs of the line at a line speed: the pause before
// each of its two requests, the pause before the image request, and 11 bits for every byte
// of the two answers. The requests are not counted: a pseudo-terminal passes them at once,
// and the simulator paces only its answers.
inline double DeviceReadLineSeconds(const DeviceLink& link, int baud) {
    constexpr int kAnswerBytes = 8 + 255; // identification answer, image answer
    return (2 * link.GetSendDelay() + DeviceConfiguration::kPauseBeforeImage) / 1000.0 +
           kAnswerBytes * 11.0 / baud;
}
