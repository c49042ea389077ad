// The one conversion between text and numbers for the whole program: the analysis, the file
// formats, the workbook interchange and the report all go through these functions, so that a
// number reads and prints the same everywhere, under the program's decimal separator only.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace numbertext
{

// After trimming blanks: an optional sign, digits with at most one decimal separator (the one
// given) and at least one digit, and an optional exponent (e or E, an optional sign, digits).
// Nothing else: no digit grouping, no NaN or infinity texts, no hexadecimal. A number too large
// for a double is not a number; one too small reads as zero.
std::optional<double> parseNumber(QStringView text, QChar decimal);

// After trimming blanks: an optional sign and digits, within the range of int.
std::optional<int> parseInteger(QStringView text);

// Whether the whole text, untrimmed, is a plain number: no blanks around it.
bool isPlainNumber(QStringView text, QChar decimal);

// Three decimals ("%3.3f") with the given separator; "NaN", "Inf" and "-Inf" for non-finite values.
QString formatFixed3(double value, QChar decimal);

// The shortest text that reads back to exactly the same double, with the given separator;
// "NaN", "Inf" and "-Inf" for non-finite values.
QString formatShortest(double value, QChar decimal);

// The program-wide decimal separator: the system locale's until the options first set it.
QChar decimalSeparator();
void setDecimalSeparator(QChar decimal);

} // namespace numbertext
