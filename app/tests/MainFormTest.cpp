// The main window: its actions, menus and tool bars, captions, the save-changes question and
// the ways out, the about box.
#include "ShellFixture.h"
#include "StatusLine.h"
#include "TAboutBox.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace
{

using MainForm = ShellTest;

// The items of a menu, separators as "-" and submenus as their title.
QStringList items(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QMenu *menuTitled(const QMainWindow &window, const QString &title)
{
    for (QAction *action : window.menuBar()->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

TEST_F(MainForm, ActionsCarryTheirCaptionsShortcutsAndHints)
{
    const struct {
        QAction *action;
        const char *name;
        QString caption;
        QString shortcut;
        QString toolTip;
        QString statusTip;
    } cases[] = {
        {actions().FileNew, "FileNew", "Δημιουργία", "Ctrl+N", "Δημιουργία",
         "Δημιουργία νέου αρχείου"},
        {actions().FileOpen, "FileOpen", "&Άνοιγμα...", "Ctrl+O", "Άνοιγμα",
         "Ανοίγει το επιλεγμένο αρχείο"},
        {actions().FileSave1, "FileSave1", "Αποθήκευση", "Ctrl+S", "Αποθήκευση",
         "Αποθηκεύει το ενεργό αρχείο"},
        {actions().FileSaveAs, "FileSaveAs", "Αποθήκευση ως...", "", "αποθήκευση ως",
         "αποθήκευση ως"},
        {actions().ImportXLSData, "ImportXLSData", "Εισαγωγή δεδομένων από...", "",
         "Εισαγωγή δεδομένων από αρχείο", "Εισαγωγή δεδομένων από αρχείο"},
        {actions().ExportXLSData, "ExportXLSData", "Εξαγωγή δεδομένων προς...", "",
         "Εξαγωγή δεδομένων προς αρχείο", "Εξαγωγή δεδομένων προς αρχείο"},
        {actions().Options, "Options", "Επιλογές..", "", "Επιλογές..", ""},
        {actions().FileExit1, "FileExit1", "Έξοδος", "Ctrl+Q", "Έξοδος", "Έξοδος από το πρόγραμμα"},
        {actions().AFC, "AFC", "Προκρούστια Προβολή", "", "Προκρούστια Προβολή",
         "Προκρούστια Προβολή"},
        {actions().About, "About", "Πληροφορίες", "", "Πληροφορίες", "Πληροφορίες"},
        {actions().InsertVariable, "InsertVariable", "Στήλη", "", "Στήλη", ""},
        {actions().InsertCase, "InsertCase", "Γραμμή", "", "Γραμμή", ""},
        {actions().DeleteVariable, "DeleteVariable", "Στήλη", "", "Στήλη", ""},
        {actions().DeleteCase, "DeleteCase", "Γραμμή", "", "Γραμμή", ""},
        {actions().Cut2, "Cut2", "Αποκοπή", "Ctrl+X", "Αποκοπή", ""},
        {actions().Copy, "Copy", "Αντιγραφή", "Ctrl+C", "Αντιγραφή", ""},
        {actions().Paste, "Paste", "Επικόλληση", "Ctrl+V", "Επικόλληση", ""},
        {actions().SelectAll, "SelectAll", "Επιλογή όλων", "Ctrl+A", "Επιλογή όλων", ""},
        {actions().Del, "Del", "Απαλοιφή Περιεχομένων", "Del", "Απαλοιφή Περιεχομένων", ""},
        {actions().AutoFormat, "AutoFormat", "Αυτόματη μορφοποίηση", "", "Αυτόματη μορφοποίηση",
         ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.action->objectName(), c.name);
        EXPECT_EQ(c.action->text(), c.caption);
        EXPECT_EQ(c.action->shortcut().toString(), c.shortcut);
        EXPECT_EQ(c.action->toolTip(), c.toolTip);
        EXPECT_EQ(c.action->statusTip(), c.statusTip);
    }
}

TEST_F(MainForm, MenusListTheirItemsInOrder)
{
    QStringList titles;
    for (const QAction *action : main().menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"Αρχείο", "Επεξεργασία", "Ανάλυση", "Βοήθεια"}));

    EXPECT_EQ(items(menuTitled(main(), "Αρχείο")),
              QStringList({"Δημιουργία", "&Άνοιγμα...", "Εισαγωγή δεδομένων από...",
                           "Εξαγωγή δεδομένων προς...", "-", "Αποθήκευση ως...", "Αποθήκευση", "-",
                           "Επιλογές...", "Έξοδος"}));
    QMenu *edit = menuTitled(main(), "Επεξεργασία");
    EXPECT_EQ(items(edit),
              QStringList({"Εισαγωγή...", "Διαγραφή...", "-", "Αποκοπή", "Αντιγραφή", "Επικόλληση",
                           "Επιλογή όλων", "Απαλοιφή Περιεχομένων", "-", "Αυτόματη μορφοποίηση"}));
    EXPECT_EQ(items(edit->actions()[0]->menu()), QStringList({"Στήλη", "Γραμμή"}));
    EXPECT_EQ(edit->actions()[0]->menu()->actions()[0], actions().InsertVariable);
    EXPECT_EQ(edit->actions()[1]->menu()->actions()[1], actions().DeleteCase);
    EXPECT_EQ(items(menuTitled(main(), "Ανάλυση")), QStringList({"Προκρούστια Προβολή"}));
    EXPECT_EQ(items(menuTitled(main(), "Βοήθεια")), QStringList({"Πληροφορίες", "Περιεχόμενα"}));
}

TEST_F(MainForm, MenuItemsWithTheirOwnCaptionRunTheirAction)
{
    QAction *options = menuTitled(main(), "Αρχείο")->actions()[8];
    int runs = 0;
    QObject::connect(actions().Options, &QAction::triggered, [&] { ++runs; });
    options->trigger();
    EXPECT_EQ(runs, 1);

    QAction *fit = main().popupMenu()->actions().last();
    EXPECT_EQ(fit->text(), "Αυτόματη Προσαρμογή");
    fit->trigger();
    EXPECT_EQ(grid().columnWidths()[1], 69);
}

TEST_F(MainForm, ContextMenuListsTheEditingCommands)
{
    EXPECT_EQ(items(main().popupMenu()),
              QStringList({"Αποκοπή", "Αντιγραφή", "Επικόλληση", "-", "Εισαγωγή...", "Διαγραφή...",
                           "Απαλοιφή Περιεχομένων", "-", "Αυτόματη Προσαρμογή"}));
}

TEST_F(MainForm, FourToolBarsWithTheirButtons)
{
    QStringList bars;
    for (const QToolBar *bar : main().findChildren<QToolBar *>()) {
        QStringList buttons;
        for (const QAction *action : bar->actions())
            buttons << action->objectName();
        bars << bar->windowTitle() + ": " + buttons.join(' ');
    }
    EXPECT_EQ(bars,
              QStringList({"Αρχείο: FileNew FileOpen FileSave1", "Επεξεργασία: Cut2 Copy Paste",
                           "Βοήθεια: AFC", "Βοήθεια: About"}));
}

TEST_F(MainForm, CaptionSizeAndStatusBar)
{
    EXPECT_EQ(main().windowTitle(), "Δίχως Όνομα - Vistrel v1.0");
    main().showCaptionFor("/home/a/b.vtl");
    EXPECT_EQ(main().windowTitle(), "/home/a/b.vtl - Vistrel v1.0");
    EXPECT_EQ(main().size(), QSize(804, 559));
    EXPECT_EQ(main().statusBar()->objectName(), "StatusBar1");
    EXPECT_EQ(main().statusText(), statusLine(1, 1, 1, 2));
}

TEST_F(MainForm, SaveChangesQuestionAsksWithItsTextAndThreeAnswers)
{
    int saves = 0;
    bool written = true;
    main().setSaveStep([&] {
        ++saves;
        return written;
    });
    main().setCurrentFileName("/data/a.vtl");
    prompter.answerQuestions({Prompter::Answer::Yes, Prompter::Answer::Yes, Prompter::Answer::No,
                              Prompter::Answer::Cancel});
    EXPECT_TRUE(main().askSaveChanges());
    written = false;
    EXPECT_FALSE(main().askSaveChanges()) << "a failed save stops the command";
    EXPECT_TRUE(main().askSaveChanges());
    EXPECT_FALSE(main().askSaveChanges());
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Question)[0],
              "Το αρχείο /data/a.vtl έχει τροποποιηθεί.\n\rΑποθήκευση αλλαγών;");
}

TEST_F(MainForm, ExitWithAnUnmodifiedSheetEndsAtOnce)
{
    actions().FileExit1->trigger();
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(MainForm, ExitWithAModifiedSheetAsksAndCancelStays)
{
    model().setModified(true);
    prompter.answerQuestions({Prompter::Answer::Cancel, Prompter::Answer::No});
    actions().FileExit1->trigger();
    EXPECT_TRUE(main().isVisible());
    actions().FileExit1->trigger();
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Question).size(), 2);
}

TEST_F(MainForm, ClosingTheWindowGoesThroughTheQuestion)
{
    model().setModified(true);
    prompter.answerQuestions({Prompter::Answer::Cancel, Prompter::Answer::Yes});
    EXPECT_FALSE(main().close());
    EXPECT_FALSE(main().close()) << "no writer is plugged in, so Yes cannot save";
    EXPECT_TRUE(main().isVisible());
    main().setSaveStep([] { return true; });
    prompter.answerQuestions({Prompter::Answer::Yes});
    EXPECT_TRUE(main().close());
}

TEST_F(MainForm, AboutShowsTheAboutBox)
{
    TAboutBox *shown = nullptr;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<TAboutBox *>(QApplication::activeModalWidget());
        if (shown)
            shown->accept();
    });
    actions().About->trigger();
    ASSERT_EQ(shown, &forms.AboutBox());
    EXPECT_EQ(shown->windowTitle(), "Πληροφορίες ");
}

TEST_F(MainForm, StartingWithAPathOpensItWithoutTheNewSheetDialog)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QStringList({"start.vtl"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainForm, TheSplashIsAFramelessBoxOnTop)
{
    TAboutBox *splash = main().splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash->size(), QSize(454, 269));
    EXPECT_EQ(splash->timer()->interval(), 3000);
}

} // namespace
