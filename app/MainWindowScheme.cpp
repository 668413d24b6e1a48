// Mouse on the scheme: selection and the commands of its elements, the
// in-place output names, and help.
#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/HelpViewer.h"
#include "editor/gui/NameValidator.h"
#include "editor/gui/SchemeCanvas.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>

namespace {

ActionId commandAction(ClickCommand command) {
    switch (command) {
    case ClickCommand::FunctionBlock:
        return ActionId::EditFunctionBlock;
    case ClickCommand::Signalling:
        return ActionId::EditSignalling;
    case ClickCommand::Delay:
        return ActionId::EditDelay;
    case ClickCommand::Outputs:
        return ActionId::EditOutputs;
    case ClickCommand::None:
        break;
    }
    return ActionId::Count;
}

} // namespace

void MainWindow::buildOutputNameEditor() {
    outputNameEdit = new QLineEdit(canvas_);
    outputNameEdit->setObjectName("outputNameEdit");
    MakeNameField(*outputNameEdit, messages_);
    outputNameEdit->setToolTip(QString::fromUtf8(app_text::kHintOutputName));
    outputNameEdit->setFrame(false);
    QPalette palette = outputNameEdit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    outputNameEdit->setPalette(palette);
    outputNameEdit->hide();
}

void MainWindow::connectScheme() {
    connect(canvas_, &SchemeCanvas::elementPressed, this, &MainWindow::pressElement);
    // The contact toggles have a click handler of their own, outside the selection.
    connect(canvas_, &SchemeCanvas::elementClicked, this, [this](ElementRef element) {
        if (element.family == Family::ContactToggle)
            toggleContact(element.index);
        else
            clickElement(element);
        showModified();
    });
}

void MainWindow::clickElement(ElementRef element) {
    // Every click commits a name being edited first, also one on a block
    // picture, which takes no focus.
    commitOutputName();
    const ClickOutcome outcome = clicks_.clickElement(element);
    if (outcome.closeEditor) {
        outputNameEdit->hide();
        canvas_->setFocus();
    }
    if (outcome.openEditor >= 0)
        openOutputEditor(outcome.openEditor);
    canvas_->update();
    // A command not built yet has its action disabled: then only the selection changes.
    if (outcome.command != ClickCommand::None)
        action(commandAction(outcome.command))->trigger();
}

void MainWindow::openOutputEditor(int line) {
    const Rect at = clicks_.OutputEditorRect(line);
    outputNameEdit->setGeometry(at.x, at.y, at.w, at.h);
    outputNameEdit->setText(schemeView().at(Family::OutputName, line).caption);
    outputNameEdit->show();
    outputNameEdit->setFocus();
    outputNameEdit->selectAll();
}

void MainWindow::commitOutputName() {
    if (model_.EditedOutput == -1)
        return;
    QString text = outputNameEdit->text();
    history_.Run(app_text::kStepOutputName + QString::number(model_.EditedOutput + 1),
                 [this, &text] { clicks_.commitOutputName(text); });
    outputNameEdit->setText(text);
    canvas_->update();
    showModified();
}

void MainWindow::finishOutputName() {
    commitOutputName();
    if (clicks_.closeOutputEditor()) {
        outputNameEdit->hide();
        canvas_->setFocus();
    }
}

void MainWindow::pressElement(ElementRef element) {
    if (!helpCursor_)
        return;
    helpCursor_ = false;
    QApplication::restoreOverrideCursor();
    if (const int topic = HelpTopic(element)) {
        const Rect r = schemeView().absoluteRect(element.family, element.index);
        help_->popup(topic, QRect(canvas_->mapToGlobal(QPoint(r.x, r.y)), QSize(r.w, r.h)));
    }
}

void MainWindow::showHelpContents() {
    help_->open(kHelpContentsContext);
}

void MainWindow::startContextHelp() {
    if (helpCursor_)
        return;
    helpCursor_ = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
}
