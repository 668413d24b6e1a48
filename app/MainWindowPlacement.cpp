// Where the main window opens and how the scheme follows its size.
#include "app/MainWindow.h"
#include "app/WindowFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include <algorithm>

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

// The header and the scheme take the window's width; the header wraps onto
// more bands when narrower than designed, the scheme scrolls both ways under
// it. Below the default height the free strip under the scheme goes first.
void MainWindow::layoutScheme() {
    const QSize area = centralWidget()->size();
    const int rightMargin = kDefaultWidth - kSchemeLeft - kSchemeWidth;
    const int header = headerFlow_.arrange(area.width());
    QWidget* strip = headerArea->widget();
    strip->resize(std::max(area.width(), strip->childrenRect().right() + 1), header);
    const int bottom = std::clamp(area.height() - header - kSchemeHeight, 0, kSchemeBottom);
    headerArea->setGeometry(0, 0, area.width(), header);
    schemeScrollBox->setGeometry(kSchemeLeft, header,
                                 std::max(area.width() - kSchemeLeft - rightMargin, 0),
                                 std::max(area.height() - header - bottom, 0));
}
