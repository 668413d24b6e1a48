// The programming commands of the main window: each runs its core command on
// the window's dialog and repaints the scheme.
#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "editor/FunctionBlockCommand.h"
#include "editor/InputProcessing.h"
#include "editor/OutputDelays.h"
#include "editor/OutputsCommand.h"
#include "editor/Signalling.h"
#include "editor/gui/QtDelayDialog.h"
#include "editor/gui/QtFunctionBlockDialog.h"
#include "editor/gui/QtInclusionDialog.h"
#include "editor/gui/QtOutputsDialog.h"
#include "editor/gui/QtSignallingDialog.h"
#include "editor/gui/SchemeCanvas.h"

#include <QLineEdit>

namespace {

// " вх. 5" for a channel slot, " ФБЛ 2" for a block's row, as the scheme numbers them.
QString StepRow(const SchemeView& view, int row) {
    if (row < kFirstBlockRow)
        return app_text::kStepInput + view.at(Family::InputNumber, row).caption;
    return app_text::kStepBlock + view.at(Family::BlockNumber, row - kFirstBlockRow).caption;
}

} // namespace

void MainWindow::edit(const char* command, const std::function<void()>& change) {
    QString name = QString::fromUtf8(command);
    if (model_.SelectedInput >= 0)
        name += StepRow(view_, model_.SelectedInput);
    else if (model_.SelectedFb >= 0)
        name += StepRow(view_, kFirstBlockRow + model_.SelectedFb);
    history_.Run(name, change);
    canvas_->update();
}

// A name being edited is finished first: what was typed becomes a step of its
// own, which the undo then takes back (and a redo brings again).
void MainWindow::undoStep() {
    finishOutputName();
    history_.Undo();
    canvas_->update();
    showModified();
}

void MainWindow::redoStep() {
    finishOutputName();
    history_.Redo();
    canvas_->update();
    showModified();
}

// The history's commands name the step they would take back or do again.
void MainWindow::connectHistory() {
    session_.schemeLoaded = [this] {
        history_.Restart();
        forgetOutcome();
    };
    QUndoStack& stack = history_.stack();
    auto follow = [this, &stack] {
        const auto caption = [](const char* command, const QString& step) {
            return step.isEmpty() ? QString::fromUtf8(command)
                                  : QString::fromUtf8(command) + ": " + step;
        };
        action(ActionId::Undo)->setText(caption(app_text::kActionUndo, stack.undoText()));
        action(ActionId::Undo)->setEnabled(stack.canUndo());
        action(ActionId::Redo)->setText(caption(app_text::kActionRedo, stack.redoText()));
        action(ActionId::Redo)->setEnabled(stack.canRedo());
    };
    connect(&stack, &QUndoStack::indexChanged, this, follow);
    connect(&stack, &QUndoStack::cleanChanged, this, follow);
    follow();
}

void MainWindow::editInclusion() {
    edit(app_text::kMenuItemText,
         [this] { InputProcessing(session_, *inclusionDialog).editInclusion(); });
}

void MainWindow::editSignalling() {
    edit(app_text::kActionSignalling,
         [this] { Signalling(session_, *signallingDialog).editSignalling(); });
}

void MainWindow::editDelay() {
    edit(app_text::kActionDelay, [this] { OutputDelays(session_, *delayDialog).editDelay(); });
}

void MainWindow::toggleContact(int slot) {
    history_.Run(app_text::kStepContact + StepRow(view_, slot),
                 [this, slot] { InputProcessing(session_, *inclusionDialog).toggleContact(slot); });
    canvas_->update();
}

void MainWindow::editOutputs() {
    edit(app_text::kActionOutputs,
         [this] { OutputsCommand(session_, *outputsDialog).editOutputs(); });
}

void MainWindow::editFunctionBlock() {
    // The command itself fits the scroll range and scrolls to the block.
    edit(app_text::kActionFB,
         [this] { FunctionBlockCommand(session_, *blockDialog).editFunctionBlock(); });
}
