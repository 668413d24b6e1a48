// The main window's actions, main menu and tool bar as the operator meets them.
#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/ToolImages.h"
#include "support/QtPrinting.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

struct ActionCase {
    ActionId id;
    const char* name;
    const char* category;
    const char* caption;
    const char* hint;
    const char* keys;
    int image;
    bool enabled;
};

void PrintTo(const ActionCase& c, std::ostream* os) {
    *os << c.name;
}

class Actions : public ::testing::TestWithParam<ActionCase> {};

TEST_P(Actions, ShowTheirTextsKeysAndImage) {
    const ActionCase& c = GetParam();
    MainWindow form;
    QAction* action = form.action(c.id);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->objectName(), c.name);
    EXPECT_EQ(action->property("category").toString(), c.category);
    EXPECT_EQ(action->text(), c.caption);
    EXPECT_EQ(action->statusTip(), c.hint);
    if (*c.hint) {
        EXPECT_EQ(action->toolTip(), c.hint);
    }
    EXPECT_EQ(action->shortcut(), QKeySequence(c.keys));
    EXPECT_EQ(action->property("imageIndex").toInt(), c.image);
    EXPECT_EQ(action->icon().isNull(), c.image < 0);
    EXPECT_EQ(action->isEnabled(), c.enabled);
    EXPECT_TRUE(form.actions().contains(action)) << "the key works anywhere in the window";
}

using A = ActionId;
INSTANTIATE_TEST_SUITE_P(
    Table, Actions,
    ::testing::Values(ActionCase{A::NewScheme, "NewScheme", "Файл", "Новая схема…",
                                 "Новая схема без прибора", "Ctrl+N", 17, true},
                      ActionCase{A::OpenFile, "OpenFile", "Файл", "Открыть схему", "Открыть схему",
                                 "F3", 0, true},
                      ActionCase{A::SaveFile, "SaveFile", "Файл", "Сохранить как ...",
                                 "Сохранить схему", "F2", 1, true},
                      ActionCase{A::Print, "Print", "Файл", "Печать", "Печать ", "F4", 5, true},
                      ActionCase{A::Exit, "Exit", "Файл", "Выход", "", "Alt+X", -1, true},
                      ActionCase{A::ReadDevice, "ReadDevice", "Порт", "Ввод с СОМ-порта",
                                 "Ввод с СОМ-порта", "F9", 2, true},
                      ActionCase{A::WriteDevice, "WriteDevice", "Порт", "Вывод на СОМ-порт",
                                 "Вывод на СОМ-порт", "F10", 3, true},
                      ActionCase{A::SetUpPort, "SetUpPort", "Порт", "Настройка СОМ порта",
                                 "Настройка СОМ порта", "", 16, true},
                      ActionCase{A::EditInclusion, "EditInclusion", "Программирование",
                                 "Ввод текст. реквизитов", "Вкл. в обр. и ввод текст. рекв.",
                                 "Ctrl+I", 14, true},
                      ActionCase{A::EditSignalling, "EditSignalling", "Программирование",
                                 "Сигнализация", "Сигнализация", "Ctrl+S", 7, true},
                      ActionCase{A::EditDelay, "EditDelay", "Программирование", "Задержка",
                                 "Задержка", "Ctrl+T", 10, true},
                      ActionCase{A::EditOutputs, "EditOutputs", "Программирование", "Выходы",
                                 "Выходы", "Ctrl+O", 8, true},
                      ActionCase{A::EditFunctionBlock, "EditFunctionBlock", "Программирование",
                                 "Функц. блоки", "Функц. блок AND", "Ctrl+B", 12, true},
                      ActionCase{A::ChangePassword, "ChangePassword", "Пароль", "Замена пароля",
                                 "Замена пароля", "F8", 6, true},
                      ActionCase{A::ShowHelp, "ShowHelp", "Справка", "Вызов справки",
                                 "Вызов справки", "F1", 15, true}),
    [](const auto& info) { return std::string(info.param.name); });

// "caption|hint" of every entry: top items, then their items with the action
// they stand for (the key shown after a tab).
QStringList menuListing(QMenuBar* bar) {
    QStringList listing;
    for (QAction* top : bar->actions()) {
        listing << top->text() + "|" + top->statusTip();
        if (top->menu() == nullptr)
            continue;
        for (QAction* item : top->menu()->actions())
            listing << "  " + SourceAction(item)->objectName() + " " + item->text() + "|" +
                           item->statusTip();
    }
    return listing;
}

TEST(MainMenu, TopItemsAndTheirEntries) {
    MainWindow form;
    const QStringList expected{
        "Файл |Файл",
        "  NewScheme Новая схема…\tCtrl+N|Новая схема без прибора",
        "  OpenFile Открыть схему\tF3|Открыть схему",
        "  CompareFile Сравнить со схемой…\tCtrl+F3|Различия схемы на экране и схемы из файла",
        "  SaveFile Сохранить как ...\tF2|Сохранить схему",
        "  Print Печать\tF4|Печать ",
        "  SaveAsPdf Сохранить в PDF…|Сохранить в PDF…",
        "  CauseEffect Причины и действия\tCtrl+M|Что вызывает каждый вход и ФБ и что включает "
        "каждый выход; протокол испытаний",
        "   Последние схемы|",
        "  Exit Выход\tAlt+X|",
        "Правка|",
        "  Undo Отменить\tCtrl+Z|Отменить последнее изменение схемы",
        "  Redo Повторить\tCtrl+Y|Повторить отменённое изменение схемы",
        "          Порт|",
        "  ReadDevice Ввод с СОМ-порта\tF9|Ввод с СОМ-порта",
        "  WriteDevice Вывод на СОМ-порт\tF10|Вывод на СОМ-порт",
        "  CompareDevice Сравнить с прибором\tCtrl+F9|Различия схемы и устройства «Устр. №»; схема "
        "не меняется",
        "  CompareBeforeWrite Сравнивать перед выводом|Перед выводом на СОМ-порт показать "
        "различия с устройством",
        "  SetUpPort Настройка СОМ порта|Настройка СОМ порта",
        "  ShowLog Журнал обмена\tCtrl+L|Журнал обмена",
        "  ShowLine Линия\tCtrl+Shift+L|Линия",
        "              Программирование|",
        "  EditInclusion Вкл. в обработку\tCtrl+I|Вкл. в обр. и ввод текст. рекв.",
        "  EditSignalling Сигнализация\tCtrl+S|Сигнализация",
        "  EditDelay Задержка\tCtrl+T|Задержка",
        "  EditOutputs Выходы\tCtrl+O|Выходы",
        "  EditFunctionBlock Функц. блоки\tCtrl+B|Функц. блоки",
        "   Пароль|Замена пароля",
        "  ChangePassword Замена пароля\tF8|Заменить пароль",
        "   Справка|",
        "  ShowHelp Вызов справки\tF1|Вызов справки",
        "?|Контекстная справка",
    };
    EXPECT_EQ(menuListing(form.menuBar()), expected);
}

// What the menu shows when the mouse rests on the item whose caption starts so.
QString menuToolTip(QMenu* menu, const QString& caption) {
    // A tip that was hidden leaves the screen a moment later.
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return "a tip stays on the screen";
    const QList<QAction*> items = menu->actions();
    const auto item = std::find_if(items.begin(), items.end(), [&caption](QAction* a) {
        return a->text().startsWith(caption);
    });
    if (item == items.end())
        return "no such item";
    menu->popup({0, 0});
    const QPoint at = menu->actionGeometry(*item).center();
    QHelpEvent rest(QEvent::ToolTip, at, menu->mapToGlobal(at));
    QApplication::sendEvent(menu, &rest);
    const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    menu->hide();
    return shown;
}

TEST(MainMenu, OnlyItemsWithAHintShowATip) {
    MainWindow form;
    auto* file = form.findChild<QMenu*>("FileMenu");
    EXPECT_EQ(menuToolTip(file, "Выход"), "");
    EXPECT_EQ(menuToolTip(file, "Сохранить как"), "Сохранить схему");
}

TEST(MainMenu, ItemsFollowTheirActions) {
    MainWindow form;
    QAction* item = form.findChild<QMenu*>("ProgrammingMenu")->actions().at(4);
    EXPECT_TRUE(item->isEnabled());
    form.action(ActionId::EditFunctionBlock)->setEnabled(false);
    EXPECT_FALSE(item->isEnabled());
    int helpOpened = 0;
    QObject::connect(form.action(ActionId::ShowHelp), &QAction::triggered, [&] { ++helpOpened; });
    form.findChild<QMenu*>("HelpMenu")->actions().at(0)->trigger();
    EXPECT_EQ(helpOpened, 1);
}

TEST(MainMenu, EveryKeyHasOneOwner) {
    MainWindow form;
    QStringList keys;
    for (QAction* action : form.findChildren<QAction*>())
        if (!action->shortcut().isEmpty())
            keys << action->shortcut().toString();
    keys.sort();
    EXPECT_EQ(keys.size(), 21);
    EXPECT_EQ(keys.removeDuplicates(), 0) << "an open menu must not make a key ambiguous";
}

TEST(ToolBar, ButtonsLeftToRight) {
    MainWindow form;
    auto* tools = form.findChild<QToolBar*>("MainToolBar");
    ASSERT_NE(tools, nullptr);
    QStringList listing;
    for (QAction* a : tools->actions()) {
        if (a->isSeparator())
            listing << "|";
        else if (QWidget* w = tools->widgetForAction(a); w && w->objectName() == "WideSeparator")
            listing << "||";
        else
            listing << SourceAction(a)->objectName() + " " + a->toolTip();
    }
    const QStringList expected{"NewScheme Новая схема без прибора",
                               "OpenFile Открыть схему",
                               "SaveFile Сохранить схему",
                               "Print Печать",
                               "|",
                               "Undo Отменить последнее изменение схемы",
                               "Redo Повторить отменённое изменение схемы",
                               "|",
                               "ReadDevice Ввод с СОМ-порта",
                               "WriteDevice Вывод на СОМ-порт",
                               "PortButton Настройка СОМ порта",
                               "|",
                               "EditInclusion Вкл. в обр. и ввод текст. рекв.",
                               "EditSignalling Сигнализация",
                               "EditDelay Задержка",
                               "EditOutputs Выходы",
                               "EditFunctionBlock Функц. блоки",
                               "|",
                               "ChangePassword Замена пароля",
                               "||",
                               "ShowHelp Вызов справки"};
    EXPECT_EQ(listing, expected);
}

TEST(ToolBar, PortButtonOpensThePortSettings) {
    MainWindow form;
    QString seen;
    QTimer poll; // the dialog comes up once the port list is read
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = modal->metaObject()->className();
            modal->close();
        }
    });
    poll.start(10);
    form.findChild<QAction*>("PortButton")->trigger();
    EXPECT_EQ(seen, "QtPortDialog");
}

TEST(ToolImages, EveryImageDistinctAndSharp) {
    QSet<QByteArray> seen;
    for (int i = 0; i < kToolImageCount; ++i) {
        const QIcon icon = ToolImage(i);
        const QImage one = icon.pixmap(QSize(16, 16), 1.0).toImage();
        const QImage two = icon.pixmap(QSize(16, 16), 2.0).toImage();
        EXPECT_EQ(two.size(), QSize(32, 32)) << i;
        // Drawn afresh at twice the pixels, not the small one blown up.
        EXPECT_NE(two, one.scaled(32, 32)) << i;
        const QByteArray bytes(reinterpret_cast<const char*>(one.constBits()), one.sizeInBytes());
        QImage blank(one.size(), one.format());
        blank.fill(Qt::transparent);
        EXPECT_NE(one, blank) << i;
        seen.insert(bytes);
    }
    EXPECT_EQ(seen.size(), kToolImageCount);
}

TEST(Startup, DialogsAreMadeOnceInTheirOrderAndFreedInReverse) {
    auto* form = new MainWindow;
    QStringList made, freed;
    for (QDialog* d : form->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        const QString name = d->metaObject()->className();
        made << name;
        // Their contents wait for the first show.
        EXPECT_TRUE(d->findChildren<QWidget*>().isEmpty()) << name.toStdString();
        QObject::connect(d, &QObject::destroyed, [&freed, name] { freed << name; });
    }
    EXPECT_EQ(made, (QStringList{"QtPasswordDialog", "QtInclusionDialog", "QtPortDialog",
                                 "QtSignallingDialog", "QtDelayDialog", "QtOutputsDialog",
                                 "QtFunctionBlockDialog", "QtExchangeDialog", "QtClockDialog"}));
    delete form;
    std::reverse(made.begin(), made.end());
    EXPECT_EQ(freed, made);
}

// Each dialog builds its contents at its first show only; they lie inside it, and a
// second show finds them as they were.
TEST(Startup, EachDialogIsBuiltAtItsFirstShowOnly) {
    MainWindow form;
    for (QDialog* d : form.findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(d->metaObject()->className());
        d->show();
        d->hide();
        const QList<QWidget*> built = d->findChildren<QWidget*>();
        EXPECT_FALSE(built.isEmpty());
        for (const QWidget* w : d->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isVisibleTo(d)) {
                EXPECT_TRUE(d->rect().contains(w->geometry())) << w->objectName().toStdString();
            }
        }
        const QSize size = d->size();
        d->show();
        d->hide();
        EXPECT_EQ(d->findChildren<QWidget*>(), built);
        EXPECT_EQ(d->size(), size);
    }
}

} // namespace
