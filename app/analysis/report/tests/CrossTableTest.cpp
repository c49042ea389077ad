#include "CrossTable.h"

#include <gtest/gtest.h>

TEST(CrossTable, KeepsFirstSeenOrderAndJoinsRepeatedCells)
{
    CrossTable t;
    t.add("b", "y", "1");
    t.add("a", "x", "2");
    t.add("b", "x", "3");
    t.add("b", "y", "4");
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.rowLabel(0), "b");
    EXPECT_EQ(t.columnLabel(1), "x");
    EXPECT_EQ(t.cell(0, 0), "1 / 4");
    EXPECT_EQ(t.cell(1, 0), "");
    EXPECT_EQ(t.cell(1, 1), "2");
}
