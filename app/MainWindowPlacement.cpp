// Where the main window opens and how the scheme follows its size.
#include "app/MainWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {

// What a window manager usually adds around a window, before it says so.
QMargins ExpectedFrame(const QWidget& window) {
    const int border = 4;
    const int title = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 24);
    return {border, title + border, border, border};
}

// outer moved (and shrunk, where it is larger) to lie within area.
QRect Clamped(QRect outer, const QRect& area) {
    outer.setSize(outer.size().boundedTo(area.size()));
    outer.moveLeft(std::clamp(outer.left(), area.left(), area.right() - outer.width() + 1));
    outer.moveTop(std::clamp(outer.top(), area.top(), area.bottom() - outer.height() + 1));
    return outer;
}

} // namespace

QRect MainWindow::availableArea() const {
    const QWidget& window = *this;
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// On a small screen (or a large scale) the window is made smaller rather than
// cut; its frame is guessed, as the window manager tells it only later.
void MainWindow::placeOnScreen(const QRect& area) {
    if (area.isEmpty())
        return;
    const QMargins frame = ExpectedFrame(*this);
    QRect outer(QPoint(), sizeHint().grownBy(frame));
    outer.moveCenter(area.center());
    outer = Clamped(outer, area);
    resize(outer.size().shrunkBy(frame));
    move(outer.topLeft());
}

// Once shown, the window manager's real frame is known: the window is moved
// (or shrunk) again if the guess above left any of it outside.
void MainWindow::keepOnScreen() {
    QTimer::singleShot(100, this, [this] {
        const QRect area = availableArea();
        const QRect outer = frameGeometry();
        if (area.isEmpty() || isMaximized() || isFullScreen() || area.contains(outer))
            return;
        const QRect inside = Clamped(outer, area);
        const QMargins frame(geometry().left() - outer.left(), geometry().top() - outer.top(),
                             outer.right() - geometry().right(),
                             outer.bottom() - geometry().bottom());
        resize(inside.size().shrunkBy(frame));
        move(inside.topLeft());
    });
}

// The header and the scheme take the window's width; the scheme scrolls both
// ways inside it. Below the default height the free strip under the scheme
// goes first.
void MainWindow::layoutScheme() {
    const QSize area = centralWidget()->size();
    const int rightMargin = kDefaultWidth - kSchemeLeft - kSchemeWidth;
    const int bottom = std::clamp(area.height() - kHeaderHeight - kSchemeHeight, 0, kSchemeBottom);
    headerArea->setGeometry(0, 0, area.width(), kHeaderHeight);
    schemeScrollBox->setGeometry(kSchemeLeft, kHeaderHeight,
                                 std::max(area.width() - kSchemeLeft - rightMargin, 0),
                                 std::max(area.height() - kHeaderHeight - bottom, 0));
}
