#pragma once

#include <functional>

class Messages;
class ConfigurationModel;

// The questions that stand between the operator and the end of the program:
// the exit command's confirmation and the offers to save or transfer changed
// data. The window runs the commands they lead to through the two callbacks.
class ExitQuestions {
public:
    ExitQuestions(ConfigurationModel& model, Messages& messages)
        : model_(model), messages_(messages) {}

    // The file-save command; the offer to save does nothing while it is empty.
    std::function<void()> save;
    // The write-to-device command.
    std::function<void()> transfer;

    // "Выход": true when the operator confirmed and the window should close.
    // No to an offer drops the changes, so that closing asks nothing more.
    // false as well when the offer to save was cancelled or a save agreed to
    // did not happen: the program stays, the changes kept.
    bool ExitCommand();
    // Closing the window: the offers again while data is still changed, then the
    // closing notice; true when the window may close, and the caller closes the
    // port. false when the offer to save was cancelled or a save agreed to did
    // not happen (the file dialog cancelled, the save refused or failed): the
    // window stays, nothing else is asked, and the changes are kept.
    bool Closing();
    // Before changed data is thrown away: the offer to save it, with a way
    // back. false when the operator cancelled, or agreed but the data was not
    // saved (the save dialog cancelled): then everything should stay.
    bool OfferSave();

private:
    bool ask(const char* text, const char* caption);
    bool saveIfWanted();
    void run(const std::function<void()>& command);

    ConfigurationModel& model_;
    Messages& messages_;
};
