// The program's start without a file: the new-sheet dialog right after the window shows, and
// the splash that closes on its own meanwhile.
#include "Forms.h"
#include "QtPrinters.h"
#include "ScriptedPrompter.h"
#include "TAboutBox.h"
#include "TMainForm.h"
#include "TpreMainFrm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

TEST(StartSequence, WithoutAPathTheNewSheetDialogFollowsTheWindowAndTheSplashCloses)
{
    QElapsedTimer clock;
    clock.start();
    ScriptedPrompter prompter;
    Forms forms(prompter, {QStringLiteral("vistrel")});
    QPointer<TAboutBox> splash = forms.MainForm().splash();
    ASSERT_TRUE(splash);

    bool dialogShown = false, splashClosedWhileOpen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() != &forms.preMainFrm())
            return;
        dialogShown = true;
        if (splash)
            return;
        splashClosedWhileOpen = true;
        QTest::mouseClick(forms.preMainFrm().okButton(), Qt::LeftButton);
    });
    poll.start(50);

    forms.MainForm().show();
    QApplication::setActiveWindow(&forms.MainForm());
    EXPECT_TRUE(QTest::qWaitFor([&] { return splashClosedWhileOpen; }, 10000));
    EXPECT_TRUE(dialogShown);
    // A coarse timer may fire up to 5 % early.
    EXPECT_GE(clock.elapsed(), 2850);
    EXPECT_EQ(forms.MainForm().windowTitle(), "Δίχως Όνομα - Vistrel v1.0");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !forms.preMainFrm().isVisible(); }));
}

} // namespace
