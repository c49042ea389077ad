#include "files/FileFilter.h"
#include "files/InterchangeFilters.h"

#include <gtest/gtest.h>

namespace
{

TEST(FileFilter, SplitsEntriesAndMakesEveryPatternFilter)
{
    const FileFilter filter(QStringLiteral("Αρχείο Excel XP/2003/2007 (*.xls; *.xlsx)|*.xls; "
                                           "*.xlsx|Κείμενο (Οριοθετημένο με Tab) (*.txt)|*.txt"));
    ASSERT_EQ(filter.entries().size(), 2);
    const FileFilter::Entry &workbook = filter.entries()[0];
    EXPECT_EQ(workbook.patterns, QStringList({"*.xls", "*.xlsx"}));
    EXPECT_EQ(workbook.suffix, "xls");
    EXPECT_EQ(FileFilter::dialogText(workbook), "Αρχείο Excel XP/2003/2007 (*.xls *.xlsx)");
    EXPECT_EQ(FileFilter::dialogText(filter.entries()[1]), "Κείμενο (Οριοθετημένο με Tab) (*.txt)");
    EXPECT_EQ(filter.entries()[1].suffix, "txt");
}

TEST(FileFilter, NamesTheTextEntryAfterTheDelimiter)
{
    EXPECT_EQ(interchangefilters::exportFilter("W|*.w", 1),
              "W|*.w|Κείμενο (Οριοθετημένο με ερωτ/κο) (*.txt)|*.txt");
    EXPECT_EQ(interchangefilters::importFilter("W|*.w", 1),
              "W|*.w|Κείμενο (Οριοθετημένο με ερωτ/κό) (*.txt)|*.txt");
    EXPECT_EQ(interchangefilters::importFilter("W|*.w", 3),
              "W|*.w|Κείμενο (Οριοθετημένο με διάστημα) (*.txt)|*.txt");
}

} // namespace
