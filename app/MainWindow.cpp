#include "app/MainWindow.h"
#include "app/AppTexts.h"
#include "app/DifferencesPane.h"

#include "access/gui/QtPasswordDialog.h"
#include "app/HelpViewer.h"
#include "app/SchemeArea.h"
#include "device/DeviceTexts.h"
#include "device/gui/QtClockDialog.h"
#include "editor/SchemeKeys.h"
#include "editor/gui/SchemeCanvas.h"
#include "editor/gui/SchemePictures.h"
#include "ui/UiTexts.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr int kScrollStep = 32;

QComboBox* deviceSelector(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (int n = 1; n <= 31; ++n)
        box->addItem(QString::number(n));
    box->setGeometry(geometry);
    return box;
}

// The external-acknowledge button shows an input contact.
QIcon contactIcon() {
    QPixmap pixmap(32, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawPicture(painter, Picture::ContactOpen, QRectF(2, 0, 28, 15), Qt::black);
    return QIcon(pixmap);
}

QLabel* label(QWidget* parent, const QString& text, QPoint at) {
    auto* l = new QLabel(text, parent);
    l->move(at);
    l->adjustSize();
    return l;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), messages_(this) {
    setObjectName("MainWindow");
    setCaption("Программатор приборов аварийной сигнализации и блокировки ВИЛ-3K");
    auto* central =
        new SchemeArea(this, {kDefaultWidth, kHeaderHeight + kSchemeHeight + kSchemeBottom});
    setCentralWidget(central);
    auto* strip = buildHeaderArea(central);
    QFont small = strip->font();
    small.setPointSize(8); // the header was laid out for the small dialog font
    strip->setFont(small);
    buildHeader(strip);
    buildScheme(central);
    buildOutputNameEditor();
    actions_ = BuildMainActions(*this);
    connectHistory();
    buildRecentMenu();
    setAcceptDrops(true);
    help_ = new HelpViewer(this);
    connectHeader();
    connectScheme();
    connectDevice();
    connectComparison();
    connectLink();
    buildStatusBar();
    createWindow();
    // The other windows of the run, after the main window is complete.
    createDialogs();
    // Last: the size comes from everything built above.
    placeOnScreen(availableArea());
}

// The header strip wraps its groups of controls onto more bands in a window
// narrower than itself (HeaderFlow); it scrolls sideways only where a single
// group is wider than the window.
QWidget* MainWindow::buildHeaderArea(QWidget* central) {
    headerArea = new QScrollArea(central);
    headerArea->setObjectName("headerArea");
    headerArea->setFrameShape(QFrame::NoFrame);
    headerArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headerArea->setGeometry(0, 0, kDefaultWidth, kHeaderHeight);
    auto* strip = new QWidget;
    strip->resize(kDefaultWidth, kHeaderHeight);
    headerArea->setWidget(strip);
    return strip;
}

void MainWindow::buildHeader(QWidget* strip) {
    QLabel* device = label(strip, ui_text::kLabelDevice, {8, 9});
    linkAddressBox = deviceSelector(strip, "linkAddressBox", {60, 5, 52, 22});
    headerFlow_.addGroup({device, linkAddressBox});
    buildExecCodeFields(strip);
    buildConfigurationControls(strip);
    buildDeviceControls(strip);
}

void MainWindow::buildExecCodeFields(QWidget* strip) {
    QLabel* code = label(strip, ui_text::kLabelExecCode, {124, 4});
    const char* const hints[] = {"1-я часть кода исполнения", "2-я часть кода исполнения"};
    QLineEdit** fields[] = {&firstCodeEdit, &secondCodeEdit};
    for (int i = 0; i < 2; ++i) {
        auto* edit = new QLineEdit("00", strip);
        edit->setObjectName(i == 0 ? "firstCodeEdit" : "secondCodeEdit");
        edit->setGeometry(128 + 32 * i, 24, 28, 22);
        edit->setMaxLength(2);
        edit->setToolTip(hints[i]);
        // Shown for reading only: red on the tooltip colour even while disabled.
        QPalette palette = edit->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Text, Qt::red);
            palette.setColor(group, QPalette::Base, palette.color(QPalette::ToolTipBase));
        }
        edit->setPalette(palette);
        edit->setEnabled(false);
        *fields[i] = edit;
    }
    headerFlow_.addGroup({code, firstCodeEdit, secondCodeEdit});
}

void MainWindow::buildConfigurationControls(QWidget* strip) {
    changeConfigButton = new QPushButton("Изменить  конфигурацию", strip);
    changeConfigButton->setObjectName("changeConfigButton");
    changeConfigButton->setGeometry(204, 4, 176, 25);
    setConfigButton = new QPushButton("Задать конфигурацию", strip);
    setConfigButton->setObjectName("setConfigButton");
    setConfigButton->setGeometry(204, 34, 176, 25);
    setConfigButton->hide();
    createConfigButton = new QPushButton("Создать конфигурацию", strip);
    createConfigButton->setObjectName("createConfigButton");
    createConfigButton->setGeometry(204, 34, 176, 25);
    createConfigButton->hide();
    modelListLabel = label(strip, "Выбор конфигурации", {394, 4});
    modelListLabel->hide();
    modelList = new QComboBox(strip);
    modelList->setObjectName("modelList");
    for (const char* row : device_text::kModelRows)
        modelList->addItem(row);
    modelList->setCurrentIndex(-1);
    modelList->setGeometry(394, 24, 140, 22);
    modelList->hide();
    headerFlow_.addGroup({changeConfigButton, setConfigButton, createConfigButton});
    headerFlow_.addGroup({modelListLabel, modelList});
}

void MainWindow::buildDeviceControls(QWidget* strip) {
    deviceNumberLabel = label(strip, "Изм. № устр.", {548, 9});
    deviceNumberLabel->hide();
    schemeDeviceNumberBox = deviceSelector(strip, "schemeDeviceNumberBox", {626, 5, 50, 22});
    schemeDeviceNumberBox->hide();
    externalAckLabel = label(strip, ui_text::kLabelExtAck, {548, 40});
    externalAckLabel->hide();
    externalAckButton = new QToolButton(strip);
    externalAckButton->setObjectName("externalAckButton");
    externalAckButton->setCheckable(true);
    externalAckButton->setToolTip("Кнопка внешнего квитирования");
    externalAckButton->setGeometry(626, 34, 50, 25);
    externalAckButton->setIcon(contactIcon());
    externalAckButton->setIconSize({32, 16});
    externalAckButton->hide();
    timeDateButton = new QPushButton(QString::fromUtf8(device_text::kCaptionTimeDate), strip);
    timeDateButton->setObjectName("timeDateButton");
    timeDateButton->setGeometry(684, 4, 154, 25);
    timeDateButton->setEnabled(false);
    headerFlow_.addGroup(
        {deviceNumberLabel, schemeDeviceNumberBox, externalAckLabel, externalAckButton});
    headerFlow_.addGroup({timeDateButton});
}

void MainWindow::buildScheme(QWidget* central) {
    schemeScrollBox = new QScrollArea(central);
    schemeScrollBox->setObjectName("schemeScrollBox");
    schemeScrollBox->setGeometry(kSchemeLeft, kHeaderHeight, kSchemeWidth, kSchemeHeight);
    schemeScrollBox->verticalScrollBar()->setSingleStep(kScrollStep);
    canvas_ = new SchemeCanvas(view_);
    schemeScrollBox->setWidget(canvas_);
}

void MainWindow::connectHeader() {
    connect(linkAddressBox, &QComboBox::activated, this, [this](int index) {
        model_.LinkAddressIndex = index;
        canvas_->setFocus();
    });
    connect(linkAddressBox, &QComboBox::currentIndexChanged, this, &MainWindow::refreshStatus);
    connect(schemeDeviceNumberBox, &QComboBox::activated, this, [this](int index) {
        edit(app_text::kStepDeviceNumber, [this, index] { model_.DeviceNumberIndex = index; });
        canvas_->setFocus();
        showModified();
    });
    for (QPushButton* button : {setConfigButton, changeConfigButton})
        connect(button, &QPushButton::clicked, this, &MainWindow::changeConfiguration);
    connect(createConfigButton, &QPushButton::clicked, this, [this] {
        session_.creation.CreateScheme();
        history_.Restart();
        syncScheme();
    });
    connect(externalAckButton, &QToolButton::clicked, this, [this](bool down) {
        edit(app_text::kStepExternalAck, [this, down] { externalAck_.toggleExternalAck(down); });
        showModified();
    });
    connect(modelList, &QComboBox::activated, this, [this](int row) {
        runDeviceCommand([this, row] { modelSetting_.chooseModel(row); });
        history_.Restart();
        // Declined: the list stays open, with no row chosen.
        if (view_.header.modelListVisible)
            modelList->setCurrentIndex(-1);
    });
}

void MainWindow::createWindow() {
    linkAddressBox->setCurrentIndex(0);
    schemeDeviceNumberBox->setCurrentIndex(0);
    model_.LinkAddressIndex = linkAddressBox->currentIndex();
    model_.DeviceNumberIndex = schemeDeviceNumberBox->currentIndex();
    qApp->installEventFilter(this);
    syncScheme();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == outputNameEdit)
        commitOutputName();
    if (event->type() == QEvent::Resize && watched == centralWidget())
        layoutScheme();
    // Back from a dialog (the port settings, a password change): the status
    // bar catches up with what it changed.
    if (event->type() == QEvent::WindowActivate && watched == this)
        refreshStatus();
    // The list of differences keeps its arrows for going through its lines.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this &&
        (differencesPane_ == nullptr ||
         !differencesPane_->isAncestorOf(static_cast<QWidget*>(watched))))
        return handleKey(static_cast<QKeyEvent*>(event)->key());
    return QMainWindow::eventFilter(watched, event);
}

// Scrolls the scheme; true when the key is used up.
bool MainWindow::handleKey(int key) {
    QScrollBar* bar = schemeScrollBox->verticalScrollBar();
    const KeyScroll scroll = SchemeKeyScroll(key, bar->value(), bar->maximum());
    bar->setValue(scroll.position);
    return scroll.consumed;
}

// Runs once, when the window first appears and before it is used: the start-up
// checks belong here.
void MainWindow::onShow() {
    // The password decides the access level; asked once the window is on
    // screen, and Cancel closes it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!RunStartupCheck(model_, messages_, *passwordDialog)) {
                close();
                return;
            }
            refreshStatus();
            // The keyboard starts in the header, and shows where.
            linkAddressBox->setFocus(Qt::TabFocusReason);
            setAttribute(Qt::WA_KeyboardFocusChange);
            openStartFile();
        },
        Qt::QueuedConnection);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        keepOnScreen();
        onShow();
    }
}

void MainWindow::syncScheme() {
    const HeaderState& h = view_.header;
    deviceNumberLabel->setVisible(h.deviceNumberVisible);
    schemeDeviceNumberBox->setVisible(h.deviceNumberVisible);
    externalAckLabel->setVisible(h.extAckVisible);
    externalAckButton->setVisible(h.extAckVisible);
    externalAckButton->setEnabled(h.extAckEnabled);
    externalAckButton->setChecked(h.extAckDown);
    modelListLabel->setVisible(h.modelListVisible);
    modelList->setVisible(h.modelListVisible);
    setConfigButton->setVisible(h.setConfigVisible);
    // A new scheme ends the editing of an output name.
    if (model_.EditedOutput == -1)
        outputNameEdit->hide();
    canvas_->updateSize();
    // The scheme was loaded, built or changed: the marks of a comparison are void.
    forgetDifferenceMarks();
    showModified();
}

void MainWindow::scrollSchemeTo(int y) {
    schemeScrollBox->verticalScrollBar()->setValue(y);
}
