#include "link/serial/PortPresence.h"

#include "link/LinkTexts.h"

#include <poll.h>
#include <sys/stat.h>

bool SerialDevicePresent(int handle, const std::string& path, std::string& why) {
    struct stat node {};
    if (stat(path.c_str(), &node) != 0) {
        why = link_text::kReasonNodeGone + path;
        return false;
    }
    pollfd look{handle, POLLIN, 0};
    if (poll(&look, 1, 0) < 0 || (look.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        why = link_text::kReasonHangUp;
        return false;
    }
    return true;
}
