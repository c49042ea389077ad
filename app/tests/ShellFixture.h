// A running program for GUI tests: all its windows, the main window shown, boxes answered by a
// script. It starts as if a sheet file had been named on the command line, so no modal
// new-sheet dialog interrupts the test; the open step only records the name.
#pragma once

#include "Forms.h"
#include "QtPrinters.h"
#include "ScriptedPrompter.h"
#include "SheetCommands.h"
#include "SheetModel.h"
#include "SheetView.h"
#include "TMainForm.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

class ShellTest : public testing::Test
{
  protected:
    ShellTest() : forms(prompter, {QStringLiteral("vistrel"), QStringLiteral("start.vtl")})
    {
        main().setOpenStep([this](const QString &path) { opened << path; });
        main().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main()));
        QApplication::setActiveWindow(&main());
        grid().setFocus();
    }

    TMainForm &main() const { return forms.MainForm(); }
    SheetView &grid() const { return main().grid(); }
    SheetModel &model() const { return main().sheetModel(); }
    const Sheet &sheet() const { return model().sheet(); }
    const MainActions &actions() const { return main().actions(); }

    // A new sheet as the new-sheet dialog makes it, then marked as saved.
    void newSheet(int objects, int variables)
    {
        main().commands().newSheet(objects, variables);
        model().setModified(false);
    }
    void fill(int column, int row, const QString &text)
    {
        Sheet changed = sheet();
        changed.setCell(column, row, text);
        model().replaceSheet(changed);
    }
    QWidget *editor() const { return grid().indexWidget(grid().currentIndex()); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = editor() ? editor() : &grid();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
        QCoreApplication::processEvents();
    }
    // Types as a user does: the first key opens the editor, the rest go into it.
    void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClicks(editor() ? editor() : static_cast<QWidget *>(&grid()), QString(c));
    }
    QPoint cellCentre(int column, int row) const
    {
        return grid().visualRect(model().indexOf(column, row)).center();
    }
    QStringList columnNames() const
    {
        QStringList names;
        for (int c = 1; c <= sheet().columnCount(); ++c)
            names << sheet().columnName(c);
        return names;
    }

    ScriptedPrompter prompter;
    Forms forms;
    QStringList opened;
};
