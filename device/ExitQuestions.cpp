#include "device/ExitQuestions.h"

#include "device/DeviceTexts.h"
#include "model/ConfigurationModel.h"
#include "ui/Messages.h"
#include "ui/UiTexts.h"

using namespace device_text;
using namespace ui_text;

bool ExitQuestions::ask(const char* text, const char* caption) {
    const MessageBox question{text, caption, MessageIcon::Question, MessageButtons::YesNo,
                              Answer::Yes};
    return messages_.show(question) == Answer::Yes;
}

void ExitQuestions::run(const std::function<void()>& command) {
    if (command)
        command();
}

// The offer to save on the way out, with a way back as before a new scheme:
// false when the operator cancelled, or agreed and the data is still not
// saved, so the program must not end.
bool ExitQuestions::saveIfWanted() {
    const MessageBox question{kTextChangedSave, kCaptionConfirmSave, MessageIcon::Question,
                              MessageButtons::YesNoCancel, Answer::Yes};
    switch (messages_.show(question)) {
    case Answer::Yes:
        run(save);
        return model_.Modified == 0;
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool ExitQuestions::ExitCommand() {
    if (!ask(kTextReallyExit, kCaptionConfirmExit))
        return false;
    if (model_.Modified == 0)
        return true;
    if (!saveIfWanted())
        return false;
    // No to saving drops the changes, but not before the transfer question: a
    // transfer agreed to must still see them as changed (or it would offer to
    // send "unchanged" data, No by default), and one that fails keeps them.
    if (ask(kTextChangedTransfer, kCaptionConfirmTransfer))
        run(transfer);
    else
        model_.Modified = 0;
    return true;
}

bool ExitQuestions::Closing() {
    if (model_.Modified != 0) {
        if (!saveIfWanted())
            return false;
        if (ask(kTextChangedTransfer, kCaptionConfirmTransfer))
            run(transfer);
    }
    messages_.show(MessageBox{kTextWorkEnded, kCaptionWorkEnded, MessageIcon::Information});
    return true;
}

bool ExitQuestions::OfferSave() {
    // Without a scheme there is nothing a save could write.
    if (model_.Modified == 0 || model_.SchemeCreated == 0)
        return true;
    return saveIfWanted();
}
