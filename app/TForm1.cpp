#include "app/TForm1.h"

#include "access/gui/TFPSW.h"
#include "editor/SchemeKeys.h"
#include "editor/gui/SchemeCanvas.h"
#include "editor/gui/SchemePictures.h"
#include "link/gui/LinkMenu.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr int kHeaderHeight = 77;
constexpr int kScrollStep = 32;

// Rows of the device model list: what each one tells the device it is.
const char* const kModelRows[] = {"ВИЛ-3-0604 К", "ВИЛ-3-0606 К", "ВИЛ-3-1200 К", "ВИЛ-3-1204 К",
                                  "ВИЛ-3-1206 К", "ВИЛ-3-1208 К", "ВИЛ-3-2400 К", "ВИЛ-3-2404 К",
                                  "ВИЛ-3-2408 К", "ВИЛ-3-2412 К", "ВИЛ-3-2416 К"};

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

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), messages_(this), model_(messages_), view_(model_),
      creation_(model_, view_, messages_) {
    setObjectName("Form1");
    setWindowTitle("Программатор приборов аварийной сигнализации и блокировки ВИЛ-3K");
    resize(843, 677);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* strip = new QWidget(central);
    strip->setGeometry(0, 0, 843, kHeaderHeight);
    QFont small = strip->font();
    small.setPointSize(8); // the header was laid out for the small dialog font
    strip->setFont(small);
    buildHeader(strip);
    buildScheme(central);
    connectHeader();
    buildFileMenu();
    connectDevice();
    connectLink();
    bindPrintKey();
    FPSW = new TFPSW(model_, messages_, this);
    QAction* AParol = menuBar()->addMenu("   Пароль")->addAction("Замена пароля", this, [this] {
        ChangePassword(model_, messages_, *FPSW);
    });
    AParol->setShortcut(Qt::Key_F8);
    FormCreate();
}

void TForm1::connectLink() {
    // A port that fails under the program ends it once the command returns.
    comPort_.SetCloseRequest(
        [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
    addLinkMenu(menuBar()->findChild<QMenu*>("N2Port"), this, comPort_,
                [this] { return model_.LinkAddressIndex; });
}

TForm1::~TForm1() = default;

void TForm1::buildHeader(QWidget* strip) {
    label(strip, kDeviceLabel, {8, 9});
    CBoxUstr = deviceSelector(strip, "CBoxUstr", {60, 5, 52, 22});
    buildExecCodeFields(strip);
    buildConfigurationControls(strip);
    buildDeviceControls(strip);
}

void TForm1::buildExecCodeFields(QWidget* strip) {
    label(strip, kExecCodeLabel, {124, 4});
    const char* const hints[] = {"1-я часть кода исполнения", "2-я часть кода исполнения"};
    QLineEdit** fields[] = {&Edit1, &Edit2};
    for (int i = 0; i < 2; ++i) {
        auto* edit = new QLineEdit("00", strip);
        edit->setObjectName(i == 0 ? "Edit1" : "Edit2");
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
}

void TForm1::buildConfigurationControls(QWidget* strip) {
    Button3 = new QPushButton("Изменить  конфигурацию", strip);
    Button3->setObjectName("Button3");
    Button3->setGeometry(204, 4, 176, 25);
    Button1 = new QPushButton("Задать конфигурацию", strip);
    Button1->setObjectName("Button1");
    Button1->setGeometry(204, 34, 176, 25);
    Button1->hide();
    Button2 = new QPushButton("Создать конфигурацию", strip);
    Button2->setObjectName("Button2");
    Button2->setGeometry(204, 34, 176, 25);
    Button2->hide();
    LabConfig = label(strip, "Выбор конфигурации", {394, 4});
    LabConfig->hide();
    ComboBox1 = new QComboBox(strip);
    ComboBox1->setObjectName("ComboBox1");
    for (const char* row : kModelRows)
        ComboBox1->addItem(row);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setGeometry(394, 24, 140, 22);
    ComboBox1->hide();
}

void TForm1::buildDeviceControls(QWidget* strip) {
    LabUstrZ = label(strip, "Изм. № устр.", {548, 9});
    LabUstrZ->hide();
    CBoxUstrZ = deviceSelector(strip, "CBoxUstrZ", {626, 5, 50, 22});
    CBoxUstrZ->hide();
    LabVnKvit = label(strip, kExtAckLabel, {548, 40});
    LabVnKvit->hide();
    PVnKvit = new QToolButton(strip);
    PVnKvit->setObjectName("PVnKvit");
    PVnKvit->setCheckable(true);
    PVnKvit->setToolTip("Кнопка внешнего квитирования");
    PVnKvit->setGeometry(626, 34, 50, 25);
    PVnKvit->setIcon(contactIcon());
    PVnKvit->setIconSize({32, 16});
    PVnKvit->hide();
    ButTimeDate = new QPushButton("Задание времени и даты", strip);
    ButTimeDate->setObjectName("ButTimeDate");
    ButTimeDate->setGeometry(684, 4, 154, 25);
    ButTimeDate->setEnabled(false);
}

void TForm1::buildScheme(QWidget* central) {
    ScrollBox1 = new QScrollArea(central);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setGeometry(4, kHeaderHeight, 825, 553);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->verticalScrollBar()->setSingleStep(kScrollStep);
    canvas_ = new SchemeCanvas(view_);
    ScrollBox1->setWidget(canvas_);
}

void TForm1::connectHeader() {
    connect(CBoxUstr, &QComboBox::activated, this, [this](int index) {
        model_.LinkAddressIndex = index;
        canvas_->setFocus();
    });
    connect(CBoxUstrZ, &QComboBox::activated, this, [this](int index) {
        model_.DeviceNumberIndex = index;
        canvas_->setFocus();
    });
    for (QPushButton* button : {Button1, Button3})
        connect(button, &QPushButton::clicked, this, [this] {
            creation_.ChangeConfiguration();
            syncScheme();
        });
    connect(Button2, &QPushButton::clicked, this, [this] {
        creation_.CreateScheme();
        syncScheme();
    });
    // The button's state is the scheme's: later syncs must not undo a click.
    connect(PVnKvit, &QToolButton::clicked, this, [this](bool down) {
        view_.ShowExternalAck(down);
        canvas_->update();
    });
    connect(ComboBox1, &QComboBox::activated, this, [this] {
        creation_.ModelChosen();
        syncScheme();
    });
}

void TForm1::FormCreate() {
    CBoxUstr->setCurrentIndex(0);
    CBoxUstrZ->setCurrentIndex(0);
    model_.LinkAddressIndex = CBoxUstr->currentIndex();
    model_.DeviceNumberIndex = CBoxUstrZ->currentIndex();
    qApp->installEventFilter(this);
    syncScheme();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        return FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    return QMainWindow::eventFilter(watched, event);
}

// Scrolls the scheme; true when the key is used up.
bool TForm1::FormKeyDown(int key) {
    QScrollBar* bar = ScrollBox1->verticalScrollBar();
    const KeyScroll scroll = SchemeKeyScroll(key, bar->value(), bar->maximum());
    bar->setValue(scroll.position);
    return scroll.consumed;
}

// Runs once, when the window first appears and before it is used: the start-up
// checks belong here.
void TForm1::FormShow() {
    // The password decides the access level; asked once the window is on
    // screen, and Cancel closes it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!RunStartupCheck(model_, messages_, *FPSW))
                close();
        },
        Qt::QueuedConnection);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::syncScheme() {
    const HeaderState& h = view_.header;
    LabUstrZ->setVisible(h.deviceNumberVisible);
    CBoxUstrZ->setVisible(h.deviceNumberVisible);
    LabVnKvit->setVisible(h.extAckVisible);
    PVnKvit->setVisible(h.extAckVisible);
    PVnKvit->setEnabled(h.extAckEnabled);
    PVnKvit->setChecked(h.extAckDown);
    LabConfig->setVisible(h.modelListVisible);
    ComboBox1->setVisible(h.modelListVisible);
    Button1->setVisible(h.setConfigVisible);
    canvas_->updateSize();
}

void TForm1::scrollSchemeTo(int y) {
    ScrollBox1->verticalScrollBar()->setValue(y);
}
