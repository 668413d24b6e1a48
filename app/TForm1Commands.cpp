// The programming commands of the main window: each runs its core command on
// the window's dialog and repaints the scheme.
#include "app/TForm1.h"

#include "app/AppTexts.h"
#include "editor/FunctionBlockCommand.h"
#include "editor/InputProcessing.h"
#include "editor/OutputDelays.h"
#include "editor/OutputsCommand.h"
#include "editor/Signalling.h"
#include "editor/gui/SchemeCanvas.h"
#include "editor/gui/TFormFB.h"
#include "editor/gui/TFormSig.h"
#include "editor/gui/TFormVkl.h"
#include "editor/gui/TFormVyh.h"
#include "editor/gui/TFormZa.h"

#include <QLineEdit>

namespace {

// " вх. 5" for a channel slot, " ФБЛ 2" for a block's row, as the scheme numbers them.
QString StepRow(const SchemeView& view, int row) {
    if (row < kFirstBlockRow)
        return app_text::kStepInput + view.at(Family::Panelvx, row).caption;
    return app_text::kStepBlock + view.at(Family::PanelF, row - kFirstBlockRow).caption;
}

} // namespace

void TForm1::edit(const char* command, const std::function<void()>& change) {
    QString name = QString::fromUtf8(command);
    if (model_.SelectedInput >= 0)
        name += StepRow(view_, model_.SelectedInput);
    else if (model_.SelectedFb >= 0)
        name += StepRow(view_, kFirstBlockRow + model_.SelectedFb);
    history_.Run(name, change);
}

void TForm1::UndoClick() {
    EditNPortExit();
    history_.Undo();
    outputNameEdit->hide();
    canvas_->update();
}

void TForm1::RedoClick() {
    EditNPortExit();
    history_.Redo();
    outputNameEdit->hide();
    canvas_->update();
}

// The history's commands name the step they would take back or do again.
void TForm1::connectHistory() {
    session_.schemeLoaded = [this] { history_.Restart(); };
    QUndoStack& stack = history_.stack();
    auto follow = [this, &stack] {
        const auto caption = [](const char* command, const QString& step) {
            return step.isEmpty() ? QString::fromUtf8(command)
                                  : QString::fromUtf8(command) + ": " + step;
        };
        action(ActionId::AUndo)->setText(caption(app_text::kActionUndo, stack.undoText()));
        action(ActionId::AUndo)->setEnabled(stack.canUndo());
        action(ActionId::ARedo)->setText(caption(app_text::kActionRedo, stack.redoText()));
        action(ActionId::ARedo)->setEnabled(stack.canRedo());
    };
    connect(&stack, &QUndoStack::indexChanged, this, follow);
    connect(&stack, &QUndoStack::cleanChanged, this, follow);
    follow();
}

void TForm1::NTextClick() {
    edit(app_text::kMenuItemText, [this] { InputProcessing(session_, *FormVkl).NTextClick(); });
    canvas_->update();
}

void TForm1::SignClick() {
    edit(app_text::kActionSign, [this] { Signalling(session_, *FormSig).SignClick(); });
    canvas_->update();
}

void TForm1::ZaderClick() {
    edit(app_text::kActionZader, [this] { OutputDelays(session_, *FormZa).ZaderClick(); });
    canvas_->update();
}

void TForm1::NOTVh11Click(int slot) {
    history_.Run(app_text::kStepContact + StepRow(view_, slot),
                 [this, slot] { InputProcessing(session_, *FormVkl).NOTVh11Click(slot); });
    canvas_->update();
}

void TForm1::VyhClick() {
    edit(app_text::kActionBlVyh, [this] { OutputsCommand(session_, *FormVyh).VyhClick(); });
    canvas_->update();
}

void TForm1::ANDClick() {
    // The command itself fits the scroll range and scrolls to the block.
    edit(app_text::kActionFB, [this] { FunctionBlockCommand(session_, *FormFB).ANDClick(); });
    canvas_->update();
}
