// "Причины и действия": the cause-and-effect window of the main window, made
// when first asked for and kept up with every change to the scheme.
#include "app/MainWindow.h"
#include "editor/gui/SchemeCanvas.h"
#include "line/SchemeDifferences.h"
#include "print/PrintTexts.h"
#include "print/ProtocolPdf.h"
#include "print/gui/CauseEffectWindow.h"
#include "ui/UiTexts.h"

#include <QUndoStack>

void MainWindow::showCauseEffect() {
    // A name still being edited belongs to the scheme shown.
    commitOutputName();
    if (model_.SchemeCreated == 0) {
        messages_.show({print_text::kTextNoScheme, ui_text::kCaptionWarning, MessageIcon::Warning});
        return;
    }
    auto* window = findChild<CauseEffectWindow*>();
    const auto present = [this](CauseEffectWindow& shown) {
        if (model_.SchemeCreated == 0)
            return shown.close();
        shown.present(SchemeDataOf(session_.Snapshot()), ProtocolDate(clock_.wallNow()),
                      schemeFile_, proposedPath(QString()));
        return true;
    };
    if (window == nullptr) {
        window = new CauseEffectWindow(portsAndPrinters(), this);
        window->rowChosen = [this](int row) {
            showDifferencePlace({SchemePlace::Kind::Row, row});
            activateWindow();
        };
        // Every change to the scheme, a scheme loaded too, restarts or moves its history.
        const auto follow = [window, present] {
            if (window->isVisible())
                present(*window);
        };
        connect(&history_.stack(), &QUndoStack::indexChanged, window, follow);
        connect(&history_.stack(), &QUndoStack::cleanChanged, window, follow);
    }
    present(*window);
    window->show();
    window->raise();
    window->activateWindow();
}
