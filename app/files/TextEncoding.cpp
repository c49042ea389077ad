#include "TextEncoding.h"

#include "SheetFileError.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>

#include <bitset>
#include <memory>

namespace textencoding
{

namespace
{

constexpr char GreekCodePage[] = "windows-1253";
constexpr char Utf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype ChunkSize = 1 << 20;

using CharacterSet = std::bitset<0x10000>;

// The characters of the Greek code page, taken from the converter itself: every byte whose
// character encodes back to that same byte. Without the converter the set is empty, and every
// text goes out as UTF-8.
std::unique_ptr<CharacterSet> greekCharacters()
{
    auto set = std::make_unique<CharacterSet>();
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray one(1, static_cast<char>(byte));
        const QString character = QStringDecoder(GreekCodePage).decode(one);
        if (character.size() != 1)
            continue;
        QStringEncoder encoder(GreekCodePage);
        const QByteArray back = encoder.encode(character);
        if (!encoder.hasError() && back == one)
            set->set(character.front().unicode());
    }
    return set;
}

const CharacterSet &greekCharacterSet()
{
    static const std::unique_ptr<CharacterSet> set = greekCharacters();
    return *set;
}

// Where a chunk may end without splitting a surrogate pair.
qsizetype chunkEnd(QStringView text, qsizetype start)
{
    qsizetype end = std::min(text.size(), start + ChunkSize);
    if (end < text.size() && text[end - 1].isHighSurrogate())
        ++end;
    return end;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith(Utf8Bom))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder greek(GreekCodePage);
    if (!greek.isValid())
        throw SheetFileError("the Greek code page windows-1253 is not available to read the file");
    return greek.decode(bytes);
}

Encoding encodingFor(QStringView text)
{
    const CharacterSet &greek = greekCharacterSet();
    for (QChar c : text) {
        if (!greek.test(c.unicode()))
            return Encoding::Utf8WithBom;
    }
    return Encoding::Windows1253;
}

bool write(QStringView text, QIODevice &device)
{
    const bool greek = encodingFor(text) == Encoding::Windows1253;
    QStringEncoder encoder =
        greek ? QStringEncoder(GreekCodePage) : QStringEncoder(QStringEncoder::Utf8);
    if (!greek && device.write(Utf8Bom, 3) != 3)
        return false;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = chunkEnd(text, start);
        const QByteArray bytes = encoder.encode(text.sliced(start, end - start));
        if (device.write(bytes) != bytes.size())
            return false;
        start = end;
    }
    return true;
}

} // namespace textencoding
