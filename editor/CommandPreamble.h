#pragma once

class SchemeSession;

// The first steps of every programming command, in their fixed order. A command
// runs the steps it needs; each check shows its own message and returns false
// when the command has to end there.
class CommandPreamble {
public:
    explicit CommandPreamble(SchemeSession& session) : session_(session) {}

    // A scheme exists (else the create prompt, which may lead to the exit
    // command), the execution code is valid, and the dimensions are recomputed.
    bool SchemeReady();
    // The scheme counts as changed from here on, even when a later check stops.
    void MarkModified();
    // Exactly one input or one block is selected.
    bool SingleSelection();
    // Refuses the external-acknowledge input, and any row when `alsoRefuse`
    // (a command's own extra condition) holds, with "Недоступная функция".
    bool RowAvailable(bool alsoRefuse = false);
    // All of the above in order; the selected scheme row (0..31 a channel slot,
    // 32..44 a block), or -1 when the command ends.
    int Run(bool alsoRefuse = false);

    // The scheme row of the current selection, -1 without one.
    int SelectedRow() const;
    // "Недоступная функция"
    void RefuseFunction();

private:
    void warn(const char* text);

    SchemeSession& session_;
};
