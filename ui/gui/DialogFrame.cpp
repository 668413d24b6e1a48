#include "ui/gui/DialogFrame.h"

#include <QDialog>
#include <QFontMetrics>

#include <algorithm>

namespace {

// What the window manager puts beside the title: icon, buttons, margins.
constexpr int kTitleBarExtras = 120;

} // namespace

void UseFixedBorder(QDialog& dialog) {
    // CustomizeWindowHint turns the window manager's own choice of buttons off,
    // so that only those named here remain.
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const bool sized = dialog.minimumSize() == dialog.maximumSize();
    QSize size = sized ? dialog.size() : dialog.sizeHint().expandedTo(dialog.minimumSize());
    size.setWidth(std::max(size.width(), TitleBarWidth(dialog)));
    dialog.setFixedSize(size);
}

int TitleBarWidth(const QWidget& window) {
    // Title bars commonly set their text in bold.
    QFont font = window.font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarExtras;
}
