// The main window's answers to a few things a new operator runs into: changed
// data before "Изменить  конфигурацию", a port that cannot be opened, the
// window's place and size on small and scaled screens.

#include "app/MainWindow.h"
#include "link/ExchangeResult.h"
#include "support/SampleSchemes.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>

namespace {

// Answers message boxes in order with the given buttons (and rejects file
// dialogs), keeping the texts of the boxes.
class Operator {
public:
    explicit Operator(std::deque<QMessageBox::StandardButton> answers)
        : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(10);
    }
    std::string texts() const { return texts_.join(" | ").toStdString(); }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            texts_ << "(file dialog)";
            files->reject();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr || answers_.empty() || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        texts_ << box->text();
        if (QAbstractButton* button = box->button(answers_.front()))
            button->click();
        answers_.pop_front();
    }
    std::deque<QMessageBox::StandardButton> answers_;
    QStringList texts_;
    QTimer timer_;
};

struct ChangeCase {
    const char* name;
    bool modified;
    std::deque<QMessageBox::StandardButton> answers;
    const char* asked;
    bool cleared;
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

class ChangeConfiguration : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeConfiguration, OffersToSaveChangedDataFirst) {
    const ChangeCase& c = GetParam();
    MainWindow form;
    BuildSampleScheme(form.session(), 24, 8);
    form.showExecCode(24, 8);
    form.model().AccessLevel = 1;
    form.model().Modified = c.modified ? 1 : 0;
    Operator op(c.answers);
    form.changeConfigButton->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(op.texts(), c.asked);
    EXPECT_EQ(form.model().SchemeCreated, c.cleared ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeConfiguration,
    ::testing::Values(ChangeCase{"Unchanged", false, {}, "", true},
                      ChangeCase{"ChangedNotSaved",
                                 true,
                                 {QMessageBox::No},
                                 "Данные были изменены. Сохранить в файле?",
                                 true},
                      ChangeCase{"ChangedSaveCancelled",
                                 true,
                                 {QMessageBox::Yes},
                                 "Данные были изменены. Сохранить в файле? | (file dialog)",
                                 false}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

// Both messages, then the program goes on with its changes and says why the
// port is closed; nothing more is asked.
TEST(PortThatCannotBeOpened, LeavesThePortClosedAndTheProgramRunning) {
    MainWindow form;
    form.model().Modified = 1;
    form.comPort().PortName = "COM250"; // listed nowhere
    Operator op({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok});
    // What the port settings command does after OK.
    if (form.comPort().SetupPort() != 0)
        ShowExchangeResult(form.comPort(), 0, kResultPortSetupFailed);
    EXPECT_FALSE(
        QTest::qWaitFor([&] { return op.texts().find("Работа") != std::string::npos; }, 500));
    EXPECT_EQ(op.texts(), "COM-порт отключен. Проверьте оборудование, перезапустите программу. | "
                          " невозможно открыть последовательный порт ");
    EXPECT_EQ(form.model().Modified, 1);
    const QString port = form.statusBar()->findChild<QLabel*>("portStatus")->text();
    EXPECT_TRUE(port.startsWith("Порт закрыт: COM250 не открывается")) << port.toStdString();
}

struct ScreenCase {
    const char* name;
    QRect area;
};

class Placement : public ::testing::TestWithParam<ScreenCase> {};

void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

// The window's position is its frame's; the frame allowed for is 4 pixels on
// every side and 24 more for the title.
TEST_P(Placement, WindowAndFrameLieInsideTheArea) {
    const QRect area = GetParam().area;
    MainWindow form;
    form.placeOnScreen(area);
    const QRect outer(form.pos(), form.size().grownBy({4, 28, 4, 4}));
    EXPECT_TRUE(area.contains(outer))
        << outer.x() << "," << outer.y() << " " << outer.width() << "x" << outer.height();
    EXPECT_EQ(form.width(), std::min(843, area.width() - 8));
    // Centred where there is room.
    if (area.width() > outer.width()) {
        EXPECT_LE(std::abs(outer.center().x() - area.center().x()), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, Placement,
                         ::testing::Values(ScreenCase{"Full1920x1080", {0, 0, 1920, 1050}},
                                           ScreenCase{"Full1366x768", {0, 0, 1366, 738}},
                                           ScreenCase{"Double1920x1080", {0, 0, 960, 525}},
                                           ScreenCase{"Double1366x768", {0, 0, 683, 369}},
                                           ScreenCase{"Small700x500", {0, 0, 700, 500}},
                                           ScreenCase{"PanelOnTheLeft", {64, 0, 1856, 1080}}),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) {
                             return info.param.name;
                         });

TEST(Placement, ALargerWindowShowsMoreOfTheScheme) {
    MainWindow form;
    form.placeOnScreen(QRect(0, 0, 1920, 1080));
    form.grab();
    EXPECT_EQ(form.schemeScrollBox->size(), QSize(825, 553));
    form.resize(form.width() + 200, form.height() + 300);
    form.grab();
    EXPECT_EQ(form.schemeScrollBox->size(), QSize(1025, 853));
}

// Narrower than the scheme: the header wraps onto a second band, every
// control of it in view without a scroll bar and none cut or over another,
// the scheme below it; the scheme scrolls sideways to the output names.
TEST(Placement, ANarrowWindowWrapsTheHeaderAndScrollsTheScheme) {
    MainWindow form;
    ASSERT_TRUE(form.OpenSchemeFile(QString(VIL3K_SOURCE_ROOT) + "/examples/24-08.vil"));
    form.placeOnScreen(QRect(0, 0, 700, 500));
    form.grab();
    QScrollArea& header = *form.headerArea;
    EXPECT_EQ(header.horizontalScrollBar()->maximum(), 0);
    std::vector<QRect> taken;
    for (const QWidget* control : header.widget()->findChildren<QWidget*>()) {
        if (control->parentWidget() != header.widget())
            continue;
        const QRect place(control->mapTo(header.viewport(), QPoint()), control->size());
        EXPECT_TRUE(header.viewport()->rect().contains(place))
            << control->objectName().toStdString() << " " << place.x() << "," << place.y();
        if (qobject_cast<const QPushButton*>(control) || qobject_cast<const QLabel*>(control)) {
            EXPECT_GE(control->width(), control->sizeHint().width())
                << control->objectName().toStdString();
        }
        if (control->isVisibleTo(&form)) {
            for (const QRect& other : taken)
                EXPECT_FALSE(other.intersects(place)) << control->objectName().toStdString();
            taken.push_back(place);
        }
    }
    EXPECT_GE(form.schemeScrollBox->y(), header.geometry().bottom());
    QScrollBar* sideways = form.schemeScrollBox->horizontalScrollBar();
    ASSERT_GT(sideways->maximum(), 0);
    sideways->setValue(sideways->maximum());
    const QWidget* canvas = form.schemeScrollBox->widget();
    EXPECT_LE(canvas->mapTo(form.schemeScrollBox->viewport(), QPoint(canvas->width(), 0)).x(),
              form.schemeScrollBox->viewport()->width());

    // Wide enough again: one band, as designed.
    form.resize(900, 600);
    form.grab();
    EXPECT_EQ(header.height(), 77);
    EXPECT_EQ(form.timeDateButton->pos(), QPoint(684, 4));
}

TEST(FixedBorderDialogs, OfferOnlyTheCloseBox) {
    MainWindow form;
    for (const char* name : {"PasswordDialog", "PortDialog", "ExchangeDialog", "ClockDialog"}) {
        SCOPED_TRACE(name);
        auto* dialog = form.findChild<QDialog*>(name);
        ASSERT_NE(dialog, nullptr);
        dialog->show(); // sized as it is first shown
        dialog->hide();
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "the border is fixed";
        QFont bold = dialog->font();
        bold.setBold(true);
        EXPECT_GE(dialog->width(),
                  QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + 100);
    }
}

TEST(MessageBoxes, AreWideEnoughForTheirTitles) {
    MainWindow form;
    int shownWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownWidth = box->width();
        box->button(QMessageBox::Yes)->click();
    });
    const MessageBox question{"Пароль?", "Подтвердите замену пароля", MessageIcon::Question,
                              MessageButtons::YesNo, Answer::Yes};
    EXPECT_EQ(form.messages().show(question), Answer::Yes);
    QFont bold = form.font();
    bold.setBold(true);
    EXPECT_GE(shownWidth, QFontMetrics(bold).horizontalAdvance("Подтвердите замену пароля") + 100);
}

} // namespace
