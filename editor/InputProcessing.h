#pragma once

#include <QString>

class SchemeSession;

// What QtInclusionDialog shows and what the operator leaves in it. The dialog has no
// cancel: however it is closed, what it shows then is applied.
struct InclusionDialogData {
    QString inputNumber;
    QString name;          // at most 10 characters Windows-1251 can hold
    bool included = false; // includedButton down
};

class InclusionDialog {
public:
    virtual ~InclusionDialog() = default;
    virtual void exec(InclusionDialogData& data) = 0;
};

// Including an input in the device's processing, its name, and its contact type.
class InputProcessing {
public:
    InputProcessing(SchemeSession& session, InclusionDialog& dialog)
        : session_(session), dialog_(dialog) {}

    // "Ввод текст. реквизитов": inclusion and name of the selected input.
    void editInclusion();
    // A click on the contact toggle of a slot: normally open while pressed. A
    // disabled toggle (input not included) takes no clicks.
    void toggleContact(int slot);
    // Inclusion of the selected input; the toggle follows it.
    void SetInputIncluded(bool included);

private:
    bool inputAvailable();

    SchemeSession& session_;
    InclusionDialog& dialog_;
};
