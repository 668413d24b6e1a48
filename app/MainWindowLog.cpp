// The main window's exchange log.
#include "app/MainWindow.h"
#include "link/gui/ExchangeLogWindow.h"

void MainWindow::showExchangeLog() {
    if (exchangeLogWindow_ == nullptr)
        exchangeLogWindow_ = new ExchangeLogWindow(exchangeLog_, this);
    exchangeLogWindow_->show();
    exchangeLogWindow_->raise();
    exchangeLogWindow_->activateWindow();
}
