#pragma once

#include "editor/SchemeCreation.h"
#include "editor/SchemeView.h"
#include "editor/SchemeWindow.h"
#include "model/ConfigurationModel.h"
#include "ui/Messages.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Names that exist only on the computer: one per channel in image-index order, and
// one per output line.
struct SchemeNames {
    std::vector<QString> channels;
    std::array<QString, kOutputLines> outputs;
    // Equal when a file would hold the same bytes: an empty name and ten
    // blanks are one name.
    bool operator==(const SchemeNames& other) const;
};

// The configuration as a scheme file holds it: a few hundred bytes from which
// the scheme is drawn again exactly.
struct SchemeSnapshot {
    int first = 0, second = 0;
    std::array<std::uint8_t, kImageSize> image{}; // with the device byte as the header shows it
    SchemeNames names;
    bool operator==(const SchemeSnapshot&) const = default;
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
    ConfigurationModel model{messages};
    SchemeView view{model};
    SchemeCreation creation{model, view, messages};

    // The common end of a device read and a file open: the code, an empty scheme
    // for it, the image unpacked and drawn, the device named in the image as the
    // address of later exchanges, the caption, the names when the source has any,
    // the repair box when block records had to be repaired, and the warning that
    // names values the editor never writes. The scheme then counts as
    // unmodified unless its records were repaired.
    void LoadScheme(int first, int second, const std::array<std::uint8_t, kImageSize>& image,
                    std::uint8_t deviceByte, const std::string& caption,
                    const SchemeNames* names = nullptr);
    // Told after every LoadScheme: a scheme has replaced the one before.
    std::function<void()> schemeLoaded;

    // The scheme as it stands (a scheme must exist); the model is left as it was.
    SchemeSnapshot Snapshot();
    // Draws the scheme of a snapshot again, as a file open would but quietly:
    // nothing selected, the address of exchanges, the caption and Modified
    // left alone.
    void Restore(const SchemeSnapshot& snapshot);

private:
    void drawImage(int first, int second, const std::array<std::uint8_t, kImageSize>& image,
                   std::uint8_t deviceByte);
    void showNames(const SchemeNames& names);
};
