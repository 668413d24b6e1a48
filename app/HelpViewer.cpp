#include "app/HelpViewer.h"

#include "app/AppTexts.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kPopupWidth = 360;
constexpr int kPopupGap = 4;

QString pageText(int context) {
    QFile page(":/help/" + QString::number(context) + ".html");
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

} // namespace

QUrl HelpPage(int context) {
    return QUrl("qrc:/help/" + QString::number(context) + ".html");
}

HelpViewer::HelpViewer(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {}

void HelpViewer::buildWindow() {
    using namespace app_text;
    window_ = new QWidget(mainWindow_, Qt::Window);
    window_->setObjectName("HelpWindow");
    window_->setWindowTitle(QString::fromUtf8(kCaptionHelp));
    browser_ = new QTextBrowser(window_);
    browser_->setObjectName("HelpBrowser");
    auto* tools = new QToolBar(window_);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QStyle* style = window_->style();
    QAction* back =
        tools->addAction(style->standardIcon(QStyle::SP_ArrowBack), QString::fromUtf8(kHelpBack),
                         browser_, &QTextBrowser::backward);
    back->setObjectName("HelpBack");
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction* forward =
        tools->addAction(style->standardIcon(QStyle::SP_ArrowForward),
                         QString::fromUtf8(kHelpForward), browser_, &QTextBrowser::forward);
    forward->setObjectName("HelpForward");
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    tools->addAction(QString::fromUtf8(kHelpContents), this,
                     [this] { open(kHelpContentsContext); });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), window_);
    connect(close, &QShortcut::activated, window_, &QWidget::close);
    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(browser_);
    window_->resize(600, 560);
    // First shown over the middle of the main window.
    QRect frame(QPoint(0, 0), window_->size());
    frame.moveCenter(mainWindow_->geometry().center());
    window_->move(frame.topLeft());
}

void HelpViewer::open(int context) {
    if (window_ == nullptr)
        buildWindow();
    browser_->setSource(HelpPage(context));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpViewer::popup(int context, const QRect& beside) {
    if (popup_ == nullptr) {
        popup_ = new QLabel(mainWindow_, Qt::ToolTip);
        popup_->setObjectName("HelpPopup");
        popup_->setWordWrap(true);
        popup_->setFixedWidth(kPopupWidth);
        popup_->setMargin(8);
        popup_->setFrameStyle(QFrame::Box);
        popup_->setStyleSheet("QLabel { background: #ffffe1; color: black; }");
        popup_->setTextFormat(Qt::RichText);
        // A link in the pop-up opens that topic in the help window.
        connect(popup_, &QLabel::linkActivated, this, [this](const QString& link) {
            closePopup();
            open(QFileInfo(link).baseName().toInt());
        });
    }
    popup_->setText(pageText(context));
    popup_->adjustSize();
    QPoint at = beside.topRight() + QPoint(kPopupGap, 0);
    if (const QScreen* screen = mainWindow_->screen()) {
        const QRect area = screen->availableGeometry();
        if (at.x() + popup_->width() > area.right())
            at.setX(beside.left() - kPopupGap - popup_->width());
        at.setY(
            std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - popup_->height())));
    }
    popup_->move(at);
    popup_->show();
    qApp->installEventFilter(this);
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    const bool pressElsewhere =
        event->type() == QEvent::MouseButtonPress && watched != popup_ && watched->isWidgetType();
    const bool escape = event->type() == QEvent::KeyPress &&
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (pressElsewhere || escape)
        closePopup();
    return false;
}

void HelpViewer::closePopup() {
    qApp->removeEventFilter(this);
    if (popup_)
        popup_->hide();
}
