#include "editor/gui/SchemeHistory.h"

#include <QUndoCommand>

#include <set>
#include <utility>

namespace {

// A step between two configurations. Neighbouring steps share the configuration
// between them, so the history keeps each one once.
class SnapshotStep : public QUndoCommand {
public:
    using Snapshot = SchemeHistory::Snapshot;
    SnapshotStep(const QString& name, SchemeSession& session, Snapshot before, Snapshot after,
                 Snapshot& shown)
        : QUndoCommand(name), session_(session), before_(std::move(before)),
          after_(std::move(after)), shown_(shown) {}
    // The change itself has already been made when the step is pushed.
    void redo() override {
        if (done_)
            session_.Restore(*after_);
        done_ = true;
        shown_ = after_;
    }
    void undo() override {
        session_.Restore(*before_);
        shown_ = before_;
    }
    void collect(std::set<const SchemeSnapshot*>& kept) const {
        kept.insert(before_.get());
        kept.insert(after_.get());
    }

private:
    SchemeSession& session_;
    Snapshot before_, after_;
    Snapshot& shown_;
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
    // The configuration on screen is usually the one the last step left: then the
    // two steps share it.
    Snapshot before = std::make_shared<const SchemeSnapshot>(session_.Snapshot());
    if (shown_ && *shown_ == *before)
        before = shown_;
    // A scheme not stored anywhere (a new one) has no step that is unmodified.
    if (std::exchange(cleanUnjudged_, false) && session_.model.Modified != 0)
        stack_.resetClean();
    change();
    // A change may have taken the scheme away (a command that asked to leave).
    if (session_.model.SchemeCreated == 0)
        return;
    auto after = std::make_shared<const SchemeSnapshot>(session_.Snapshot());
    if (*after == *before)
        return;
    // Whatever a save would write differently is a change to keep, names and
    // the device number too.
    session_.model.Modified = 1;
    stack_.push(new SnapshotStep(name, session_, std::move(before), std::move(after), shown_));
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
    shown_.reset();
    cleanUnjudged_ = true;
}

void SchemeHistory::MarkStored() {
    cleanUnjudged_ = false;
    stack_.setClean();
}

int SchemeHistory::SnapshotsKept() const {
    std::set<const SchemeSnapshot*> kept;
    for (int i = 0; i < stack_.count(); ++i)
        static_cast<const SnapshotStep*>(stack_.command(i))->collect(kept);
    return static_cast<int>(kept.size());
}
