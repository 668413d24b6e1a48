#include "access/gui/QtPasswordDialog.h"

#include "AccessTestSupport.h"
#include "support/FakeMessages.h"
#include "ui/gui/QtMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kFile = "FParol.dat";
using Step = std::function<void(QtPasswordDialog&)>;

// Plays the operator at the real dialog: each time it is shown, the next step
// runs inside its modal loop.
class Operator : public QObject {
public:
    Operator(QtPasswordDialog& dialog, FakeMessages& messages)
        : dialog_(dialog), messages_(messages) {
        dialog.installEventFilter(this);
    }
    std::deque<Step> steps;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &dialog_ && event->type() == QEvent::Show)
            QTimer::singleShot(0, &dialog_, [this] { next(); });
        return false;
    }

private:
    void next() {
        if (steps.empty()) {
            ADD_FAILURE() << "the dialog was shown more often than expected";
            messages_.answers.push_front(Answer::Cancel);
            dialog_.close();
            return;
        }
        const Step step = steps.front();
        steps.pop_front();
        step(dialog_);
    }
    QtPasswordDialog& dialog_;
    FakeMessages& messages_;
};

Step typeAndEnter(const char* keys) {
    return [keys](QtPasswordDialog& d) {
        QTest::keyClicks(d.passwordEdit, keys);
        QTest::keyClick(d.passwordEdit, Qt::Key_Return);
    };
}

Step typeAndCloseBox(const char* keys) {
    return [keys](QtPasswordDialog& d) {
        QTest::keyClicks(d.passwordEdit, keys);
        d.close();
    };
}

Step pasteAndEnter(const char* text) {
    return [text](QtPasswordDialog& d) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
        d.passwordEdit->paste();
        QTest::keyClick(d.passwordEdit, Qt::Key_Return);
    };
}

class RealDialog : public ::testing::Test {
protected:
    RealDialog() : model(messages), dialog(model, messages), op(dialog, messages) {}

    ScratchDirectory cwd;
    FakeMessages messages;
    ConfigurationModel model;
    QtPasswordDialog dialog;
    Operator op;
};

struct StartupCase {
    const char* name;
    std::optional<QByteArray> file;
    std::vector<Step> steps;
    std::vector<Answer> answers;
    bool goesOn;
    int level;
};
void PrintTo(const StartupCase& c, std::ostream* os) {
    *os << c.name;
}

class RealDialogStartup : public RealDialog, public ::testing::WithParamInterface<StartupCase> {};

TEST_P(RealDialogStartup, DecidesTheAccessLevel) {
    const StartupCase& c = GetParam();
    if (c.file)
        writeRawFile(kFile, *c.file);
    op.steps.assign(c.steps.begin(), c.steps.end());
    messages.answers.assign(c.answers.begin(), c.answers.end());

    EXPECT_EQ(RunStartupCheck(model, messages, dialog), c.goesOn);
    EXPECT_EQ(model.AccessLevel, c.level);
    EXPECT_TRUE(op.steps.empty());
    EXPECT_EQ(messages.shown.size(), c.answers.size());
    EXPECT_TRUE(messages.answers.empty());
}

// After Retry the field still holds the last entry, selected: typing replaces it.
Step retypeAndEnter(const char* keys) {
    return [keys](QtPasswordDialog& d) {
        EXPECT_EQ(d.passwordEdit->selectedText(), d.passwordEdit->text());
        EXPECT_FALSE(d.passwordEdit->text().isEmpty());
        typeAndEnter(keys)(d);
    };
}

const QByteArray k1234 = QByteArray::fromHex("d204");

INSTANTIATE_TEST_SUITE_P(
    Passwords, RealDialogStartup,
    ::testing::Values(
        StartupCase{"NoFileDefault", std::nullopt, {typeAndEnter("7352")}, {}, true, 1},
        StartupCase{"NoFileEmpty", std::nullopt, {typeAndEnter("")}, {}, true, 0},
        StartupCase{
            "NoFileOther", std::nullopt, {typeAndEnter("1234")}, {Answer::Cancel}, false, 0},
        StartupCase{"FileRefusesDefault",
                    k1234,
                    {typeAndEnter("7352"), retypeAndEnter("1234")},
                    {Answer::Retry},
                    true,
                    1},
        StartupCase{"FileEmptyEntry", k1234, {typeAndEnter("")}, {}, true, 0},
        StartupCase{
            "LeadingZerosRefused", k1234, {typeAndEnter("01234")}, {Answer::Cancel}, false, 0},
        StartupCase{"EmptyFileIsZero", QByteArray(), {typeAndEnter("0")}, {}, true, 1},
        StartupCase{"Largest", QByteArray::fromHex("ffff"), {typeAndEnter("65535")}, {}, true, 1},
        StartupCase{"CloseBoxEmpty", k1234, {typeAndCloseBox("")}, {}, true, 0},
        StartupCase{"CloseBoxTyped", k1234, {typeAndCloseBox("1234")}, {}, true, 1},
        StartupCase{"KeypadDigits",
                    std::nullopt,
                    {[](QtPasswordDialog& d) {
                        for (Qt::Key key : {Qt::Key_7, Qt::Key_3, Qt::Key_5, Qt::Key_2})
                            QTest::keyClick(d.passwordEdit, key, Qt::KeypadModifier);
                        QTest::keyClick(d.passwordEdit, Qt::Key_Enter, Qt::KeypadModifier);
                    }},
                    {},
                    true,
                    1},
        StartupCase{
            "PastedTextRefused", std::nullopt, {pasteAndEnter("73a")}, {Answer::Cancel}, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RealDialog, ANonDigitKeyEmptiesTheFieldWithAMessageAndABeep) {
    op.steps = {[](QtPasswordDialog& d) {
        QTest::keyClicks(d.passwordEdit, "12a");
        EXPECT_EQ(d.passwordEdit->text(), "");
        QTest::keyClicks(d.passwordEdit, "735296");
        EXPECT_EQ(d.passwordEdit->text(), "73529"); // five characters at most
        QTest::keyClick(d.passwordEdit, Qt::Key_Backspace);
        QTest::keyClick(d.passwordEdit, Qt::Key_Return);
    }};
    EXPECT_EQ(dialog.exec(), kPasswordAccepted);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Пароль - цифровой");
    EXPECT_EQ(messages.beeps, 1);
}

TEST_F(RealDialog, EscapeDoesNotCloseTheDialog) {
    op.steps = {[](QtPasswordDialog& d) {
        QTest::keyClick(d.passwordEdit, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        QTest::keyClicks(d.passwordEdit, "7352");
        QTest::keyClick(d.passwordEdit, Qt::Key_Return);
    }};
    EXPECT_EQ(dialog.exec(), kPasswordAccepted);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(RealDialog, ChangeModeShowsTheWarningAndStoresTheNumber) {
    model.AccessLevel = 1;
    dialog.ensureBuilt();
    dialog.passwordEdit->setText("999");
    messages.answers = {Answer::Yes};
    op.steps = {[](QtPasswordDialog& d) {
        EXPECT_TRUE(d.warningLabel->isVisible());
        EXPECT_EQ(d.passwordEdit->text(), "");
        typeAndEnter("00042")(d);
    }};
    ChangePassword(model, messages, dialog);
    EXPECT_EQ(rawFile(kFile), QByteArray::fromHex("2a00"));
    EXPECT_EQ(messages.shown.back().text, "Пароль заменен!");
    EXPECT_EQ(model.PasswordChangeMode, 0);
}

TEST_F(RealDialog, ChangeModeRefusesTooLargeAndPastedEntries) {
    model.AccessLevel = 1;
    writeRawFile(kFile, k1234);
    messages.answers = {Answer::Yes};
    op.steps = {typeAndEnter("65536")};
    ChangePassword(model, messages, dialog);
    EXPECT_EQ(messages.shown.back().text, "Пароль не заменен");
    EXPECT_EQ(dialog.passwordEdit->text(), "");

    messages.answers = {Answer::Yes};
    op.steps = {pasteAndEnter("4x")};
    ChangePassword(model, messages, dialog);
    EXPECT_EQ(messages.shown.back().text, "Пароль не заменен");
    EXPECT_EQ(messages.shown[messages.shown.size() - 2].text, "Будете менять пароль?");
    EXPECT_EQ(rawFile(kFile), k1234);
}

TEST(QtPasswordDialogLook, CaptionHintSizeAndField) {
    FakeMessages messages;
    ConfigurationModel model(messages);
    QtPasswordDialog dialog(model, messages);
    dialog.ensureBuilt();
    EXPECT_EQ(dialog.windowTitle(), "Введите пароль и нажмите  <ENTER>");
    EXPECT_EQ(dialog.toolTip(), "Введите пароль и нажмите <Enter>");
    // Wide enough for the whole prompt in a bold title beside the window
    // manager's buttons.
    QFont bold = dialog.font();
    bold.setBold(true);
    EXPECT_GE(dialog.width(), QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 100);
    EXPECT_GE(dialog.width(), 303);
    EXPECT_EQ(dialog.height(), 64);
    EXPECT_EQ(dialog.passwordEdit->width(), dialog.width() - 16);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.passwordEdit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.passwordEdit->maxLength(), 5);
    dialog.passwordEdit->setText("12");
    EXPECT_EQ(dialog.passwordEdit->displayText(), "**"); // not the style's own mask
    EXPECT_TRUE(dialog.passwordEdit->font().bold());
    EXPECT_EQ(dialog.passwordEdit->font().pixelSize(), 14);
    EXPECT_EQ(dialog.warningLabel->text(), "Внимание! Замена пароля!");
    EXPECT_TRUE(dialog.warningLabel->isHidden());
}

// The real message box appears above the modal password dialog.
TEST(QtPasswordDialogLook, RefusedKeyShowsARealMessageBox) {
    ScratchDirectory cwd;
    QtMessages messages;
    ConfigurationModel model(messages);
    QtPasswordDialog dialog(model, messages);
    QString boxText;
    QTimer::singleShot(0, &dialog, [&] {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            boxText = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(dialog.passwordEdit, Qt::Key_Q);
        QTest::keyClicks(dialog.passwordEdit, "7352");
        QTest::keyClick(dialog.passwordEdit, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), kPasswordAccepted);
    EXPECT_EQ(boxText, "Пароль - цифровой");
}

} // namespace
