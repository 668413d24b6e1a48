#include "app/ExchangeLogWindow.h"

#include "access/WholeFile.h"
#include "app/AppTexts.h"
#include "app/ExchangeLogModel.h"
#include "link/FrameText.h"
#include "ui/UiTexts.h"
#include "ui/gui/QtMessages.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWindow>

using namespace app_text;

namespace {

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

} // namespace

ExchangeLogWindow::ExchangeLogWindow(ExchangeLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log) {
    setObjectName("ExchangeLog");
    setWindowTitle(Text(kActionLog));
    model_ = new ExchangeLogModel(log_, this);
    view_ = new QTreeView(this);
    view_->setObjectName("frameList");
    view_->setModel(model_);
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->header()->setStretchLastSection(true);
    buildControls();
    // Queued: a frame costs the exchange that records it no work of this window.
    connect(&log_, &ExchangeLog::recorded, this, &ExchangeLogWindow::refresh, Qt::QueuedConnection);
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, &ExchangeLogWindow::copy);
    resize(980, 420);
    refresh();
    const int widths[] = {100, 24, 40, 36, 180, 52, 80, 220};
    for (int column = 0; column < ExchangeLogModel::Bytes; ++column)
        view_->setColumnWidth(column, widths[column]);
}

void ExchangeLogWindow::buildControls() {
    pauseButton_ = new QPushButton(Text(kButtonPause), this);
    pauseButton_->setObjectName("pauseButton");
    pauseButton_->setCheckable(true);
    connect(pauseButton_, &QPushButton::toggled, this, [this](bool on) {
        log_.setPaused(on);
        refresh();
    });
    auto* clearButton = new QPushButton(Text(kButtonClear), this);
    clearButton->setObjectName("clearButton");
    connect(clearButton, &QPushButton::clicked, this, [this] { log_.clear(); });
    auto* copyButton = new QPushButton(Text(kButtonCopy), this);
    copyButton->setObjectName("copyButton");
    connect(copyButton, &QPushButton::clicked, this, &ExchangeLogWindow::copy);
    auto* saveButton = new QPushButton(Text(kButtonSaveLog), this);
    saveButton->setObjectName("saveButton");
    connect(saveButton, &QPushButton::clicked, this, &ExchangeLogWindow::save);
    addressBox_ = new QComboBox(this);
    addressBox_->setObjectName("addressFilter");
    addressBox_->addItem(Text(kFilterEveryAddress), ExchangeLogModel::kEveryAddress);
    addressBox_->addItem(Text(kFilterBroadcast), 0);
    for (int address = 1; address <= 31; ++address)
        addressBox_->addItem(QString::number(address), address);
    connect(addressBox_, &QComboBox::currentIndexChanged, this, [this] {
        model_->setAddressFilter(addressBox_->currentData().toInt());
        refresh();
    });
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName("frameCount");
    auto* controls = new QHBoxLayout;
    for (QWidget* control :
         {static_cast<QWidget*>(pauseButton_), static_cast<QWidget*>(clearButton),
          static_cast<QWidget*>(copyButton), static_cast<QWidget*>(saveButton)})
        controls->addWidget(control);
    controls->addSpacing(16);
    controls->addWidget(new QLabel(Text(kLabelAddressFilter), this));
    controls->addWidget(addressBox_);
    controls->addStretch();
    controls->addWidget(countLabel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(view_);
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

QString ExchangeLogWindow::listedText() const {
    QList<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty())
        for (int row = 0; row < model_->rowCount(); ++row)
            rows << row;
    std::sort(rows.begin(), rows.end());
    QString text;
    for (int row : rows)
        for (const std::string& line : FrameLines(model_->frameAt(row)))
            text += QString::fromStdString(line) + '\n';
    return text;
}

void ExchangeLogWindow::copy() {
    QApplication::clipboard()->setText(listedText());
}

bool ExchangeLogWindow::saveTo(const QString& path, QString& error) const {
    return WriteWholeFile(path, listedText().toUtf8(), error);
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
