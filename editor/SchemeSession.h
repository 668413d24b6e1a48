#pragma once

#include "editor/SchemeCreation.h"
#include "editor/SchemeView.h"
#include "editor/SchemeWindow.h"
#include "model/TProgVilClass.h"
#include "ui/Messages.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Names that exist only on the computer: one per channel in image-index order, and
// one per output line.
struct SchemeNames {
    std::vector<QString> channels;
    std::array<QString, kOutputLines> outputs;
};

// The configuration being edited and what is drawn from it: the model, its scheme
// view and scheme creation, together with the window and message seams every
// command reports through. Built once by the main window (and by each test
// fixture); commands take the session instead of its parts.
class SchemeSession {
public:
    SchemeSession(Messages& messages, SchemeWindow& window) : messages(messages), window(window) {}
    SchemeSession(const SchemeSession&) = delete;
    SchemeSession& operator=(const SchemeSession&) = delete;

    Messages& messages;
    SchemeWindow& window;
    TProgVilClass model{messages};
    SchemeView view{model};
    SchemeCreation creation{model, view, messages};

    // The common end of a device read and a file open: the code, an empty scheme
    // for it, the image unpacked and drawn, the device named in the image as the
    // address of later exchanges, the caption, the names when the source has any,
    // and the repair box when block records had to be repaired.
    void LoadScheme(int first, int second, const std::array<std::uint8_t, kImageSize>& image,
                    std::uint8_t deviceByte, const std::string& caption,
                    const SchemeNames* names = nullptr);

private:
    void showNames(const SchemeNames& names);
};
