#include "MainMenus.h"

#include "MainActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace
{

// A menu item that shows its own caption for an action: it runs the action and follows its
// enabled state.
QAction *captionedAs(QAction *action, const QString &caption, QMenu *menu)
{
    auto *item = new QAction(action->icon(), caption, menu);
    item->setStatusTip(action->statusTip());
    item->setEnabled(action->isEnabled());
    QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, item,
                     [item, action] { item->setEnabled(action->isEnabled()); });
    return item;
}

void addInsertAndDelete(QMenu *menu, const MainActions &actions)
{
    QMenu *insert = menu->addMenu(QStringLiteral("Εισαγωγή..."));
    insert->addActions({actions.InsertVariable, actions.InsertCase});
    QMenu *remove = menu->addMenu(QStringLiteral("Διαγραφή..."));
    remove->addActions({actions.DeleteVariable, actions.DeleteCase});
}

void addToolBar(QMainWindow &window, const char *name, const QString &caption,
                const QList<QAction *> &buttons)
{
    QToolBar *bar = window.addToolBar(caption);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    bar->addActions(buttons);
}

} // namespace

void buildMainMenu(QMainWindow &window, const MainActions &actions)
{
    QMenuBar *bar = window.menuBar();

    QMenu *file = bar->addMenu(QStringLiteral("Αρχείο"));
    file->addActions(
        {actions.FileNew, actions.FileOpen, actions.ImportXLSData, actions.ExportXLSData});
    file->addSeparator();
    file->addActions({actions.FileSaveAs, actions.FileSave1});
    file->addSeparator();
    file->addAction(captionedAs(actions.Options, QStringLiteral("Επιλογές..."), file));
    file->addAction(actions.FileExit1);

    QMenu *edit = bar->addMenu(QStringLiteral("Επεξεργασία"));
    addInsertAndDelete(edit, actions);
    edit->addSeparator();
    edit->addActions({actions.Cut2, actions.Copy, actions.Paste, actions.SelectAll, actions.Del});
    edit->addSeparator();
    edit->addAction(actions.AutoFormat);

    bar->addMenu(QStringLiteral("Ανάλυση"))->addAction(actions.AFC);

    QMenu *help = bar->addMenu(QStringLiteral("Βοήθεια"));
    help->addAction(actions.About);
    // There is no help content behind it.
    help->addAction(QStringLiteral("Περιεχόμενα"));
}

void buildToolBars(QMainWindow &window, const MainActions &actions)
{
    addToolBar(window, "ToolBar1", QStringLiteral("Αρχείο"),
               {actions.FileNew, actions.FileOpen, actions.FileSave1});
    addToolBar(window, "ToolBar2", QStringLiteral("Επεξεργασία"),
               {actions.Cut2, actions.Copy, actions.Paste});
    addToolBar(window, "ToolBar3", QStringLiteral("Βοήθεια"), {actions.AFC});
    addToolBar(window, "ToolBar4", QStringLiteral("Βοήθεια"), {actions.About});
}

QMenu *buildPopupMenu(QWidget *owner, const MainActions &actions)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    menu->addActions({actions.Cut2, actions.Copy, actions.Paste});
    menu->addSeparator();
    addInsertAndDelete(menu, actions);
    menu->addAction(actions.Del);
    menu->addSeparator();
    menu->addAction(captionedAs(actions.AutoFormat, QStringLiteral("Αυτόματη Προσαρμογή"), menu));
    return menu;
}
