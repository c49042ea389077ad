#include "files/TextLines.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace
{

QStringList linesOf(const QString &text)
{
    QStringList lines;
    TextLines walker(text);
    QStringView line;
    while (walker.next(line))
        lines += line.toString();
    return lines;
}

TEST(TextLines, AcceptsEveryLineEndAndAnUnendedLastLine)
{
    const struct {
        QString text;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}},
        {"a", {"a"}},
        {"", {}},
        {"\r\n", {""}},
        {"a\r\r\nb\n\n", {"a", "", "b", ""}},
        {" x \r\n\r\n y ", {" x ", "", " y "}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(linesOf(c.text), c.lines) << c.text.toStdString();
}

TEST(TextLines, GivesEmptyLinesPastTheEnd)
{
    TextLines walker(u"a");
    EXPECT_EQ(walker.nextOrEmpty(), u"a");
    EXPECT_TRUE(walker.nextOrEmpty().isEmpty());
    EXPECT_TRUE(walker.nextOrEmpty().isEmpty());
}

} // namespace
