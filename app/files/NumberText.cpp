#include "NumberText.h"

#include <QLocale>

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace numbertext
{

namespace
{

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Moves past digits; returns how many there were.
qsizetype skipDigits(QStringView text, qsizetype &at)
{
    const qsizetype start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at - start;
}

void skipSign(QStringView text, qsizetype &at)
{
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        ++at;
}

bool matchesNumber(QStringView text, QChar decimal)
{
    qsizetype at = 0;
    skipSign(text, at);
    qsizetype digits = skipDigits(text, at);
    if (at < text.size() && text[at] == decimal) {
        ++at;
        digits += skipDigits(text, at);
    }
    if (digits == 0)
        return false;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        ++at;
        skipSign(text, at);
        if (skipDigits(text, at) == 0)
            return false;
    }
    return at == text.size();
}

// strtod under the C locale, whatever locale the process runs in.
double readCLocale(const std::string &ascii, bool &overflow)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    errno = 0;
    const double value = strtod_l(ascii.c_str(), nullptr, c);
    overflow = errno == ERANGE && std::isinf(value);
    return value;
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
}

QString withSeparator(const char *begin, const char *end, QChar decimal)
{
    QString text = QString::fromLatin1(begin, end - begin);
    if (decimal != u'.')
        text.replace(u'.', decimal);
    return text;
}

QChar initialSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

QChar &programSeparator()
{
    static QChar separator = initialSeparator();
    return separator;
}

} // namespace

std::optional<double> parseNumber(QStringView text, QChar decimal)
{
    const QStringView trimmed = text.trimmed();
    if (!matchesNumber(trimmed, decimal))
        return std::nullopt;
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(trimmed.size()));
    for (QChar c : trimmed)
        ascii.push_back(c == decimal ? '.' : c.toLatin1());
    bool overflow = false;
    const double value = readCLocale(ascii, overflow);
    if (overflow)
        return std::nullopt;
    return value;
}

std::optional<int> parseInteger(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    qsizetype at = 0;
    skipSign(trimmed, at);
    if (skipDigits(trimmed, at) == 0 || at != trimmed.size())
        return std::nullopt;
    const std::string ascii = trimmed.toLatin1().toStdString();
    const char *begin = ascii.c_str() + (ascii.front() == '+' ? 1 : 0);
    int value = 0;
    const auto [end, error] = std::from_chars(begin, ascii.c_str() + ascii.size(), value);
    if (error != std::errc() || end != ascii.c_str() + ascii.size())
        return std::nullopt;
    return value;
}

bool isPlainNumber(QStringView text, QChar decimal)
{
    return matchesNumber(text, decimal) && parseNumber(text, decimal).has_value();
}

QString formatFixed3(double value, QChar decimal)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return withSeparator(buffer, result.ptr, decimal);
}

QString formatShortest(double value, QChar decimal)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return withSeparator(buffer, result.ptr, decimal);
}

QChar decimalSeparator()
{
    return programSeparator();
}

void setDecimalSeparator(QChar decimal)
{
    programSeparator() = decimal;
}

} // namespace numbertext
