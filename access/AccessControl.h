#pragma once

#include <string>

class Messages;
class ConfigurationModel;

// Results of the password dialog: accepted or refused.
inline constexpr int kPasswordAccepted = 6;
inline constexpr int kPasswordRefused = 2;

// What the start-up check and the password change need of the password
// dialog QtPasswordDialog. The dialog runs PasswordCloseHandler however it is closed and
// PasswordKeyFilter on every key; tests give a fake operator instead.
class PasswordDialog {
public:
    virtual ~PasswordDialog() = default;
    // Change mode: the warning label appears and the field is emptied.
    virtual void prepareChange() = 0;
    // Shows the dialog modally; returns what its close handler decided.
    virtual int exec() = 0;
    // What the operator typed (kept after closing).
    virtual std::string typedText() const = 0;
};

struct CloseVerdict {
    int result = kPasswordRefused;
    bool clearField = false;
};

// Decides the dialog's result from the typed text: checks the password in
// check mode, stores a new one in change mode (with its messages).
CloseVerdict PasswordCloseHandler(ConfigurationModel& model, Messages& messages,
                                  const std::string& typed);

enum class KeyVerdict { Accept, Close, Refuse };

// Key filter of the password field (Qt key codes). A refused key has already
// been reported ("Пароль - цифровой" and a beep); the caller empties the field.
KeyVerdict PasswordKeyFilter(Messages& messages, int key);

// The start-up check: decides AccessLevel for the run. False when the
// operator gave up with Cancel; the main window then closes.
bool RunStartupCheck(ConfigurationModel& model, Messages& messages, PasswordDialog& dialog);

// The command "Замена пароля".
void ChangePassword(ConfigurationModel& model, Messages& messages, PasswordDialog& dialog);
