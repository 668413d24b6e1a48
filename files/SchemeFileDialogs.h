#pragma once

#include <optional>
#include <string>

// The standard open and save dialogs as the file commands see them: the
// chosen path (UTF-8), or nothing when the operator cancels.
class SchemeFileDialogs {
public:
    virtual ~SchemeFileDialogs() = default;
    virtual std::optional<std::string> askOpenPath() = 0;
    virtual std::optional<std::string> askSavePath() = 0;
};
