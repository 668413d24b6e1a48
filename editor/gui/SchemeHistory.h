#pragma once

#include "editor/SchemeSession.h"

#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>

// What the operator may take back: every change to the scheme is one step, from
// a snapshot of the configuration before it to one after it; neighbouring steps
// share the configuration between them. Opening a file, reading a device and a
// new scheme start the history afresh; saving and writing mark where the scheme
// matches what is stored.
class SchemeHistory {
public:
    explicit SchemeHistory(SchemeSession& session);

    // Runs a change to the scheme as one step called name. A change that leaves
    // the configuration as it was adds no step.
    void Run(const QString& name, const std::function<void()>& change);
    void Undo();
    void Redo();
    // A new scheme is on screen: nothing to take back. Called as the scheme
    // arrives; whether it is stored anywhere is judged at the first change.
    void Restart();
    // The scheme now matches a file or a device: back at this step, it is not
    // modified; at any other step it is.
    void MarkStored();
    QUndoStack& stack() { return stack_; }
    // The configurations the history holds: one per step, and the one before the first.
    int SnapshotsKept() const;
    using Snapshot = std::shared_ptr<const SchemeSnapshot>;

    // Enough to take back any session of editing.
    static constexpr int kStepLimit = 500;

private:
    void afterMove();

    SchemeSession& session_;
    // The configuration the last step, undo or redo left on screen.
    Snapshot shown_;
    QUndoStack stack_;
    bool cleanUnjudged_ = false;
};
