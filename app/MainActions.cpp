#include "app/MainActions.h"

#include "app/MainWindow.h"
#include "app/ToolImages.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int kWideSeparator = 40;
const char* const kSourceProperty = "sourceAction";

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

void setHint(QAction* action, const char* hint) {
    action->setToolTip(hint ? text(hint) : QString());
    action->setStatusTip(hint ? text(hint) : QString());
}

QAction* makeAction(MainWindow& window, const ActionRow& row) {
    auto* action = new QAction(text(row.caption), &window);
    action->setObjectName(row.name);
    action->setProperty("category", text(row.category));
    action->setProperty("imageIndex", row.image);
    setHint(action, row.hint);
    if (row.shortcut)
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.shortcut)));
    if (row.image >= 0)
        action->setIcon(ToolImage(row.image));
    action->setEnabled(row.handler != nullptr);
    action->setCheckable(row.checkable);
    if (row.handler)
        QObject::connect(action, &QAction::triggered, &window, [&window, handler = row.handler] {
            (window.*handler)();
            window.showModified();
        });
    window.addAction(action);
    return action;
}

// The caption of a menu item or button: the key is shown beside it; only the
// window's action answers it, so an open menu never makes it ambiguous.
QString shownCaption(QAction* source, const char* caption) {
    QString shown = caption ? text(caption) : source->text();
    if (!source->shortcut().isEmpty())
        shown += '\t' + source->shortcut().toString(QKeySequence::NativeText);
    return shown;
}

// A menu item or button that stands for source with its own caption or hint.
QAction* view(QAction* source, QObject* parent, const char* caption, const char* hint) {
    auto* item = new QAction(source->icon(), shownCaption(source, caption), parent);
    item->setProperty(kSourceProperty, QVariant::fromValue(static_cast<QObject*>(source)));
    // The source's own hint is its status tip: its tool tip falls back to its caption, which
    // would give a command without a hint ("Выход") one.
    item->setToolTip(hint ? text(hint) : source->statusTip());
    item->setStatusTip(hint ? text(hint) : source->statusTip());
    item->setEnabled(source->isEnabled());
    // An option's item shows whether it is on, however it was switched.
    item->setCheckable(source->isCheckable());
    item->setChecked(source->isChecked());
    QObject::connect(source, &QAction::toggled, item, &QAction::setChecked);
    // A command whose caption changes ("Отменить: Задержка вх. 5") shows it.
    QObject::connect(source, &QAction::changed, item, [item, source, caption] {
        item->setEnabled(source->isEnabled());
        item->setText(shownCaption(source, caption));
    });
    QObject::connect(item, &QAction::triggered, source, &QAction::trigger);
    return item;
}

void buildMenus(MainWindow& window, const ActionSet& actions) {
    QMenuBar* bar = window.menuBar();
    for (const MenuRow& row : MenuRows()) {
        if (row.items.empty()) {
            QAction* command = bar->addAction(text(row.caption));
            command->setObjectName(row.name);
            setHint(command, row.hint);
            QObject::connect(command, &QAction::triggered, &window,
                             [&window, handler = row.handler] { (window.*handler)(); });
            continue;
        }
        auto* menu = new QMenu(text(row.caption), bar);
        menu->setObjectName(row.name);
        menu->setToolTipsVisible(true);
        setHint(menu->menuAction(), row.hint);
        for (const MenuItemRow& item : row.items)
            menu->addAction(
                view(actions[static_cast<int>(item.action)], menu, item.caption, item.hint));
        bar->addMenu(menu);
    }
}

void addButton(MainWindow& window, QToolBar* tools, const ToolRow& row) {
    auto* button = new QAction(ToolImage(row.image), QString(), tools);
    button->setObjectName(row.name);
    setHint(button, row.hint);
    QObject::connect(button, &QAction::triggered, &window,
                     [&window, handler = row.handler] { (window.*handler)(); });
    tools->addAction(button);
}

void buildToolBar(MainWindow& window, const ActionSet& actions) {
    auto* tools = new QToolBar(&window);
    tools->setObjectName("MainToolBar");
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setIconSize({16, 16});
    tools->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const ToolRow& row : ToolRows()) {
        switch (row.kind) {
        case ToolKind::Action:
            tools->addAction(view(actions[static_cast<int>(row.action)], tools, nullptr, row.hint));
            break;
        case ToolKind::Separator:
            tools->addSeparator();
            break;
        case ToolKind::WideSeparator: {
            auto* gap = new QWidget(tools);
            gap->setObjectName("WideSeparator");
            gap->setFixedWidth(kWideSeparator);
            tools->addWidget(gap);
            break;
        }
        case ToolKind::Button:
            addButton(window, tools, row);
            break;
        }
    }
    window.addToolBar(Qt::TopToolBarArea, tools);
}

} // namespace

ActionSet BuildMainActions(MainWindow& window) {
    ActionSet actions{};
    for (const ActionRow& row : ActionRows())
        actions[static_cast<int>(row.id)] = makeAction(window, row);
    buildMenus(window, actions);
    buildToolBar(window, actions);
    return actions;
}

QAction* SourceAction(QAction* view) {
    auto* source = qobject_cast<QAction*>(view->property(kSourceProperty).value<QObject*>());
    return source ? source : view;
}
