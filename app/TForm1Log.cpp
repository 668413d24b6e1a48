// The main window's exchange log.
#include "app/ExchangeLogWindow.h"
#include "app/TForm1.h"

void TForm1::ExchangeLogClick() {
    if (exchangeLogWindow_ == nullptr)
        exchangeLogWindow_ = new ExchangeLogWindow(exchangeLog_, this);
    exchangeLogWindow_->show();
    exchangeLogWindow_->raise();
    exchangeLogWindow_->activateWindow();
}
