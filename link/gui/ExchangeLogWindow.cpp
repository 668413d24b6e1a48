#include "link/gui/ExchangeLogWindow.h"

#include "link/FrameText.h"
#include "link/LinkTexts.h"
#include "link/gui/ExchangeLogModel.h"
#include "ui/UiTexts.h"
#include "ui/WholeFile.h"
#include "ui/gui/QtMessages.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

using namespace link_text;

namespace {

constexpr int kRefreshMs = 250;
// Room for the frame the window system adds above the window.
constexpr int kTitleAllowance = 32;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The window a receiver of input belongs to.
const QWidget* TopWidget(QObject* receiver) {
    if (const auto* widget = qobject_cast<QWidget*>(receiver))
        return widget->window();
    if (const auto* window = qobject_cast<QWindow*>(receiver))
        for (const QWidget* candidate : QApplication::topLevelWidgets())
            if (candidate->windowHandle() == window)
                return candidate;
    return nullptr;
}

// Plain text on the row's colours: the list is repainted whenever frames
// come, and the style's item painting (icons, checks, eliding) costs several
// times more for what a cell of the log shows.
class FrameCellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QVariant background = index.data(Qt::BackgroundRole);
        if (selected)
            painter->fillRect(option.rect, option.palette.highlight());
        else if (background.isValid())
            painter->fillRect(option.rect, background.value<QBrush>());
        const QVariant foreground = index.data(Qt::ForegroundRole);
        painter->setPen(selected               ? option.palette.highlightedText().color()
                        : foreground.isValid() ? foreground.value<QBrush>().color()
                                               : option.palette.text().color());
        const QVariant alignment = index.data(Qt::TextAlignmentRole);
        const int flags =
            alignment.isValid() ? alignment.toInt() : Qt::AlignLeft | Qt::AlignVCenter;
        painter->drawText(option.rect.adjusted(kCellMargin, 0, -kCellMargin, 0), flags,
                          index.data(Qt::DisplayRole).toString());
    }

private:
    static constexpr int kCellMargin = 3;
};

} // namespace

ExchangeLogWindow::ExchangeLogWindow(ExchangeLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log) {
    setObjectName("ExchangeLog");
    setWindowTitle(Text(kTitleExchangeLog));
    buildList();
    buildControls();
    // Queued: a frame costs the exchange that records it no work of this
    // window. The list is brought up to date a few times a second at most, so
    // a device polled ten times a second costs a few repaints, not twenty.
    connect(&log_, &ExchangeLog::recorded, this, &ExchangeLogWindow::scheduleRefresh,
            Qt::QueuedConnection);
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(kRefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &ExchangeLogWindow::refresh);
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, &ExchangeLogWindow::copy);
    // Closed as a dialog is: the log goes on recording meanwhile.
    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
    refresh();
    placeOnScreen();
}

void ExchangeLogWindow::buildList() {
    model_ = new ExchangeLogModel(log_, this);
    view_ = new QTableView(this);
    view_->setObjectName("frameList");
    view_->setModel(model_);
    view_->setShowGrid(false);
    view_->setWordWrap(false);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 2);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->setItemDelegate(new FrameCellPainter(view_));
    view_->horizontalHeader()->setStretchLastSection(true);
    // Wide enough for the texts in the fixed font; the bytes take the rest.
    const int widths[] = {100, 24, 40, 36, 180, 52, 80, 220};
    for (int column = 0; column < ExchangeLogModel::Bytes; ++column)
        view_->setColumnWidth(column, widths[column]);
}

// Along the bottom of the screen, under the middle of the main window, where
// it hides least of the scheme.
void ExchangeLogWindow::placeOnScreen() {
    const QWidget* main = parentWidget();
    const QRect area = (main != nullptr ? main->screen() : screen())->availableGeometry();
    const QSize size = QSize(980, 420).boundedTo(area.size() - QSize(0, kTitleAllowance));
    resize(size);
    const int middle = main != nullptr ? main->frameGeometry().center().x() : area.center().x();
    const int x =
        std::clamp(middle - size.width() / 2, area.left(), area.right() + 1 - size.width());
    const int y = std::max(area.top(), area.bottom() + 1 - size.height() - kTitleAllowance);
    move(x, y);
}

void ExchangeLogWindow::buildControls() {
    auto* pauseButton = new QPushButton(Text(kButtonPause), this);
    pauseButton->setObjectName("pauseButton");
    pauseButton->setCheckable(true);
    connect(pauseButton, &QPushButton::toggled, this, [this](bool on) {
        log_.setPaused(on);
        refresh();
    });
    auto* clearButton = new QPushButton(Text(kButtonClear), this);
    clearButton->setObjectName("clearButton");
    connect(clearButton, &QPushButton::clicked, this, [this] {
        log_.clear();
        refresh();
    });
    auto* copyButton = new QPushButton(Text(kButtonCopy), this);
    copyButton->setObjectName("copyButton");
    connect(copyButton, &QPushButton::clicked, this, &ExchangeLogWindow::copy);
    auto* saveButton = new QPushButton(Text(kButtonSaveLog), this);
    saveButton->setObjectName("saveButton");
    connect(saveButton, &QPushButton::clicked, this, &ExchangeLogWindow::save);
    auto* addressBox = new QComboBox(this);
    addressBox->setObjectName("addressFilter");
    addressBox->addItem(Text(kFilterEveryAddress), ExchangeLogModel::kEveryAddress);
    addressBox->addItem(Text(kFilterBroadcast), 0);
    for (int address = 1; address <= 31; ++address)
        addressBox->addItem(QString::number(address), address);
    connect(addressBox, &QComboBox::currentIndexChanged, this, [this, addressBox] {
        model_->setAddressFilter(addressBox->currentData().toInt());
        refresh();
    });
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName("frameCount");
    auto* controls = new QHBoxLayout;
    for (QWidget* control : {static_cast<QWidget*>(pauseButton), static_cast<QWidget*>(clearButton),
                             static_cast<QWidget*>(copyButton), static_cast<QWidget*>(saveButton)})
        controls->addWidget(control);
    controls->addSpacing(16);
    controls->addWidget(new QLabel(Text(kLabelAddressFilter), this));
    controls->addWidget(addressBox);
    controls->addStretch();
    controls->addWidget(countLabel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(view_);
}

void ExchangeLogWindow::scheduleRefresh() {
    if (isVisible() && !refreshTimer_.isActive())
        refreshTimer_.start();
}

// Closed, the window lets the log run on alone.
void ExchangeLogWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

// Follows the newest frame unless the operator has scrolled away from it.
void ExchangeLogWindow::refresh() {
    const QScrollBar* bar = view_->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    model_->catchUp();
    if (atEnd)
        view_->scrollToBottom();
    countLabel_->setText(log_.paused()
                             ? Text(kTextLogPaused)
                             : Text(kTextFramesListed) + QString::number(model_->rowCount()));
}

bool ExchangeLogWindow::takesInput(QObject* receiver) const {
    for (const QWidget* top = TopWidget(receiver); top != nullptr; top = top->parentWidget())
        if (top == this)
            return isVisible();
    return false;
}

QString ExchangeLogWindow::linesOf(QList<int> rows) const {
    std::sort(rows.begin(), rows.end());
    QString text;
    for (int row : rows)
        for (const std::string& line : FrameLines(model_->frameAt(row)))
            text += QString::fromStdString(line) + '\n';
    return text;
}

QString ExchangeLogWindow::listedText() const {
    QList<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows << index.row();
    return rows.isEmpty() ? allText() : linesOf(rows);
}

QString ExchangeLogWindow::allText() const {
    QList<int> rows;
    for (int row = 0; row < model_->rowCount(); ++row)
        rows << row;
    return linesOf(rows);
}

// Copies and files hold every frame kept so far, also those the list has not
// caught up with yet.
void ExchangeLogWindow::copy() {
    refresh();
    QApplication::clipboard()->setText(listedText());
}

bool ExchangeLogWindow::saveTo(const QString& path, QString& error) {
    refresh();
    return WriteWholeFile(path, allText().toUtf8(), error);
}

// Not modal: an exchange under way goes on while the operator picks the file.
void ExchangeLogWindow::save() {
    auto* dialog = new QFileDialog(this, Text(kCaptionSaveLog), QString(), Text(kFilterLogFiles));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix("txt");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        QString error;
        if (!saveTo(path, error))
            QtMessages(this).show({(QString::fromUtf8(kTextLogNotSaved) + error).toStdString(),
                                   ui_text::kCaptionError, MessageIcon::Error});
    });
    dialog->open();
}
