#include "files/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace
{

using numbertext::formatFixed3;
using numbertext::formatShortest;
using numbertext::parseInteger;
using numbertext::parseNumber;

struct NumberCase {
    const char16_t *text;
    QChar decimal;
    std::optional<double> expected;
};

TEST(NumberText, ReadsOnlyPlainNumbersWithTheProgramsSeparator)
{
    const NumberCase cases[] = {
        {u"1.5", u'.', 1.5},      {u" -2,25 ", u',', -2.25}, {u"+3", u'.', 3.0},
        {u".5", u'.', 0.5},       {u"5.", u'.', 5.0},        {u"1e3", u'.', 1000.0},
        {u"2,5E-2", u',', 0.025}, {u"1e+2", u'.', 100.0},    {u"1e-400", u'.', 0.0},
        {u"2.345", u',', {}},     {u"2,345", u'.', {}},      {u"1.234,5", u',', {}},
        {u"1 000", u'.', {}},     {u"NaN", u'.', {}},        {u"inf", u'.', {}},
        {u"0x1A", u'.', {}},      {u"", u'.', {}},           {u"   ", u'.', {}},
        {u".", u'.', {}},         {u"-", u'.', {}},          {u"1e", u'.', {}},
        {u"e5", u'.', {}},        {u"1.2.3", u'.', {}},      {u"1e999", u'.', {}},
        {u"--1", u'.', {}},       {u"1,5", u'.', {}},        {u"١", u'.', {}},
    };
    for (const NumberCase &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(parseNumber(text, c.decimal), c.expected) << text.toStdString();
    }
}

TEST(NumberText, ReadsIntegersWithinRange)
{
    EXPECT_EQ(parseInteger(u" 12 "), 12);
    EXPECT_EQ(parseInteger(u"-3"), -3);
    EXPECT_EQ(parseInteger(u"+7"), 7);
    EXPECT_EQ(parseInteger(u"2147483647"), std::numeric_limits<int>::max());
    for (const char16_t *bad : {u"1.0", u"1e2", u"", u"2147483648", u"1 2", u"x", u"+"})
        EXPECT_EQ(parseInteger(QString::fromUtf16(bad)), std::nullopt);
}

TEST(NumberText, FormatsThreeDecimalsAndNonFiniteValues)
{
    EXPECT_EQ(formatFixed3(1.23456, u','), "1,235");
    EXPECT_EQ(formatFixed3(-0.5, u'.'), "-0.500");
    EXPECT_EQ(formatFixed3(12345678.0, u'.'), "12345678.000");
    EXPECT_EQ(formatFixed3(std::nan(""), u'.'), "NaN");
    EXPECT_EQ(formatFixed3(INFINITY, u'.'), "Inf");
    EXPECT_EQ(formatFixed3(-INFINITY, u','), "-Inf");
}

TEST(NumberText, ShortestFormReadsBackExactly)
{
    EXPECT_EQ(formatShortest(1.5, u','), "1,5");
    EXPECT_EQ(formatShortest(0.1, u'.'), "0.1");
    EXPECT_EQ(formatShortest(3.0, u'.'), "3");
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-300, 300);
    for (int i = 0; i < 2000; ++i) {
        const double x = std::pow(10.0, exponent(random)) * (i % 2 ? -1 : 1);
        for (QChar decimal : {QChar(u'.'), QChar(u',')})
            EXPECT_EQ(parseNumber(formatShortest(x, decimal), decimal), x);
    }
}

} // namespace
