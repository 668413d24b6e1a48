// The scheme file commands of the main window.
#include "app/TForm1.h"

#include "editor/gui/SchemeCanvas.h"
#include "files/FileTexts.h"

#include <QMenu>
#include <QMenuBar>

using namespace file_text;

void TForm1::buildFileMenu() {
    // The file menu comes first, whatever menus are already there.
    QMenuBar* bar = menuBar();
    QAction* before = bar->actions().isEmpty() ? nullptr : bar->actions().first();
    auto* menu = new QMenu(kMenuFile, bar);
    menu->setToolTip(kHintFileMenu);
    bar->insertMenu(before, menu);
    QAction* AOpenFile = menu->addAction(kActionOpen, this, &TForm1::OpenScheme);
    AOpenFile->setObjectName("AOpenFile");
    AOpenFile->setShortcut(Qt::Key_F3);
    AOpenFile->setStatusTip(kActionOpen);
    AOpenFile->setToolTip(kActionOpen);
    QAction* ASaveFile = menu->addAction(kActionSave, this, &TForm1::SaveScheme);
    ASaveFile->setObjectName("ASaveFile");
    ASaveFile->setShortcut(Qt::Key_F2);
    ASaveFile->setStatusTip(kHintSave);
    ASaveFile->setToolTip(kHintSave);
    menu->addSeparator();
    QAction* AClose = menu->addAction("Выход", this, &TForm1::requestExit);
    AClose->setObjectName("AClose");
    AClose->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
}

void TForm1::OpenScheme() {
    fileCommands_.OpenScheme();
    canvas_->update();
}

void TForm1::SaveScheme() {
    fileCommands_.SaveScheme();
    canvas_->update();
}
