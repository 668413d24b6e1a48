#include "ui/gui/DialogFrame.h"

#include <QDialog>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>

#include <algorithm>

namespace {

// What the window manager puts beside the title: icon, buttons, margins.
constexpr int kTitleBarExtras = 120;

void FixSize(QDialog& dialog) {
    const bool sized = dialog.minimumSize() == dialog.maximumSize();
    QSize size = sized ? dialog.size() : dialog.sizeHint().expandedTo(dialog.minimumSize());
    size.setWidth(std::max(size.width(), TitleBarWidth(dialog)));
    dialog.setFixedSize(size);
}

// Measuring the layout and the title loads fonts and sets text: a cost paid when the
// dialog is first shown rather than by every start of the program.
class FixSizeWhenShown : public QObject {
public:
    explicit FixSizeWhenShown(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !fixed_) {
            fixed_ = true;
            FixSize(dialog_);
        }
        return false;
    }

private:
    QDialog& dialog_;
    bool fixed_ = false;
};

} // namespace

void UseFixedBorder(QDialog& dialog) {
    // CustomizeWindowHint turns the window manager's own choice of buttons off,
    // so that only those named here remain.
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    new FixSizeWhenShown(dialog);
}

int TitleBarWidth(const QWidget& window) {
    // Title bars commonly set their text in bold. Measured at the one size of bold
    // the program shows anyway and scaled to the window's font, as advances grow
    // with the size: a size of its own would load one more font for this alone.
    QFont bold = window.font();
    bold.setBold(true);
    bold.setPixelSize(kBoldPixelSize);
    const double scale = static_cast<double>(QFontInfo(window.font()).pixelSize()) / kBoldPixelSize;
    return qRound(QFontMetricsF(bold).horizontalAdvance(window.windowTitle()) * scale) +
           kTitleBarExtras;
}
