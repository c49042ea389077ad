#include "ColumnFitter.h"

#include <algorithm>
#include <unordered_set>

namespace
{

constexpr float Unknown = -1;

// Decodes one UTF-8 sequence at `pos`, advancing it. Cells are stored from QString, so the
// bytes are well formed.
char32_t nextCode(std::string_view s, size_t &pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t code = lead & (0x3F >> extra);
    for (int i = 1; i <= extra && pos + i < s.size(); ++i)
        code = (code << 6) | (byte(pos + i) & 0x3F);
    pos += extra + 1;
    return code;
}

} // namespace

ColumnFitter::ColumnFitter(const QFont &font)
    : metrics_(font), exact_(font), advances_(0x10000, Unknown)
{
    for (char32_t code = 0; code < ascii_.size(); ++code)
        ascii_[code] = advance(code);
    digitsShapeAlike_ = checkDigitsShapeAlike();
}

// True when any digit can stand for any other in a measurement: one advance, and no kerning
// that tells them apart next to another character.
bool ColumnFitter::checkDigitsShapeAlike() const
{
    const QChar zero = u'0';
    for (QChar digit = u'1'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
        if (textWidth(digit) != textWidth(zero))
            return false;
        for (QChar other = u' '; other <= u'~'; other = QChar(other.unicode() + 1)) {
            const QChar same = other.isDigit() ? zero : other;
            if (textWidth(QString(digit) + other) != textWidth(QString(zero) + same) ||
                textWidth(QString(other) + digit) != textWidth(QString(same) + zero))
                return false;
        }
    }
    return true;
}

float ColumnFitter::advance(char32_t code)
{
    if (code >= advances_.size())
        return static_cast<float>(metrics_.horizontalAdvance(QString::fromUcs4(&code, 1)));
    float &known = advances_[code];
    if (known == Unknown)
        known = static_cast<float>(metrics_.horizontalAdvance(QChar(code)));
    return known;
}

float ColumnFitter::estimate(std::string_view utf8)
{
    float width = 0;
    for (size_t pos = 0; pos < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte < ascii_.size()) {
            width += ascii_[byte];
            ++pos;
        } else {
            width += advance(nextCode(utf8, pos));
        }
    }
    return width;
}

// Kerning and rounding move a shaped width a little away from the sum of its advances.
float ColumnFitter::slack(float widest)
{
    return 2 + widest / 10;
}

// Texts that shape alike measure alike: when digits are interchangeable, "12,5" and "98,1" need
// one measurement between them.
std::string ColumnFitter::shapeKey(std::string_view utf8) const
{
    std::string key(utf8);
    if (digitsShapeAlike_)
        std::replace_if(
            key.begin(), key.end(), [](char c) { return c >= '1' && c <= '9'; }, '0');
    return key;
}

// The header row is measured exactly; the data cells are estimated, and only those that might
// be wider than the header and the default width are measured.
std::vector<int> ColumnFitter::widths(const Sheet &sheet)
{
    const int columns = sheet.columnCount() + 1;
    std::vector<int> width(columns, DefaultWidth);
    for (int column = 0; column < columns; ++column)
        width[column] = std::max(DefaultWidth, textWidth(sheet.cell(column, 0)));

    std::vector<float> widest(columns, 0);
    sheet.visitCells([&](int column, int row, std::string_view text) {
        if (row > 0)
            widest[column] = std::max(widest[column], estimate(text));
    });

    const auto mayWiden = [&](int column) {
        return widest[column] + slack(widest[column]) >= width[column];
    };
    std::vector<std::unordered_set<std::string>> candidates(columns);
    sheet.visitCells([&](int column, int row, std::string_view text) {
        if (row > 0 && mayWiden(column) && estimate(text) >= widest[column] - slack(widest[column]))
            candidates[column].insert(shapeKey(text));
    });

    for (int column = 0; column < columns; ++column) {
        for (const std::string &text : candidates[column])
            width[column] = std::max(width[column], textWidth(QString::fromStdString(text)));
        width[column] += Margin;
    }
    return width;
}
