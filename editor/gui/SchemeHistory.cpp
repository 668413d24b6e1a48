#include "editor/gui/SchemeHistory.h"

#include <QUndoCommand>

#include <utility>

namespace {

class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(const QString& name, SchemeSession& session, SchemeSnapshot before,
                 SchemeSnapshot after)
        : QUndoCommand(name), session_(session), before_(std::move(before)),
          after_(std::move(after)) {}
    // The change itself has already been made when the step is pushed.
    void redo() override {
        if (done_)
            session_.Restore(after_);
        done_ = true;
    }
    void undo() override { session_.Restore(before_); }

private:
    SchemeSession& session_;
    SchemeSnapshot before_, after_;
    bool done_ = false;
};

} // namespace

SchemeHistory::SchemeHistory(SchemeSession& session) : session_(session) {
    stack_.setUndoLimit(kStepLimit);
}

void SchemeHistory::Run(const QString& name, const std::function<void()>& change) {
    if (session_.model.SchemeCreated == 0) {
        change();
        return;
    }
    SchemeSnapshot before = session_.Snapshot();
    // A scheme not stored anywhere (a new one) has no step that is unmodified.
    if (std::exchange(cleanUnjudged_, false) && session_.model.Modified != 0)
        stack_.resetClean();
    change();
    // A change may have taken the scheme away (a command that asked to leave).
    if (session_.model.SchemeCreated == 0)
        return;
    SchemeSnapshot after = session_.Snapshot();
    if (after == before)
        return;
    // Whatever a save would write differently is a change to keep, names and
    // the device number too.
    session_.model.Modified = 1;
    stack_.push(new SnapshotStep(name, session_, std::move(before), std::move(after)));
}

void SchemeHistory::Undo() {
    stack_.undo();
    afterMove();
}

void SchemeHistory::Redo() {
    stack_.redo();
    afterMove();
}

// Only the step last saved or written is what a file or the device holds:
// any other may be lost on the way out unless it counts as modified.
void SchemeHistory::afterMove() {
    session_.model.Modified = stack_.isClean() ? 0 : 1;
}

void SchemeHistory::Restart() {
    stack_.clear();
    cleanUnjudged_ = true;
}

void SchemeHistory::MarkStored() {
    cleanUnjudged_ = false;
    stack_.setClean();
}
