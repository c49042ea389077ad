#include "files/DialogFileChooser.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

// Answers the file dialog once it is up: picks a filter entry as a user would, from the keyboard,
// and accepts the preset name.
void acceptWithEntry(int entry)
{
    QTimer::singleShot(0, [entry] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto *entries = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int step = 1; step < entry; ++step)
            QTest::keyClick(entries, Qt::Key_Down);
        static_cast<QDialog *>(dialog)->accept();
    });
}

TEST(DialogFileChooser, AddsTheSuffixOfTheEntryChosen)
{
    QTemporaryDir folder;
    DialogFileChooser chooser;
    const FileChooser::Request request{
        FileChooser::Purpose::Save,
        FileFilter(
            QStringLiteral("Αρχείο Excel XP/2003/2007 (*.xlsx)|*.xlsx|Κείμενο (*.txt)|*.txt")),
        1, QStringLiteral("mydata"), folder.path()};
    for (int entry : {2, 1}) {
        acceptWithEntry(entry);
        const auto choice = chooser.choose(nullptr, request);
        ASSERT_TRUE(choice);
        EXPECT_EQ(choice->entry, entry);
        EXPECT_EQ(choice->path, folder.filePath(entry == 1 ? "mydata.xlsx" : "mydata.txt"));
    }
}

TEST(DialogFileChooser, CancelChoosesNothing)
{
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    DialogFileChooser chooser;
    EXPECT_FALSE(
        chooser.choose(nullptr, {FileChooser::Purpose::Open,
                                 FileFilter(QStringLiteral("Aρχείο Vistrel (*.vtl)|*.vtl")), 1,
                                 QString(), QString()}));
}

} // namespace
