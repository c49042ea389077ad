#include "files/TextEncoding.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace
{

using textencoding::Encoding;

QByteArray written(const QString &text)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(textencoding::write(text, buffer));
    return buffer.data();
}

const QString Greek = QStringLiteral("Γ / Σ άλφα ΐ € «»");
const QString Cyrillic = QStringLiteral("жук");
const QString Emoji = QStringLiteral("x\U0001F600y");

TEST(TextEncoding, WritesGreekInItsCodePage)
{
    EXPECT_EQ(textencoding::encodingFor(Greek), Encoding::Windows1253);
    EXPECT_EQ(written(QStringLiteral("Γ / Σ")), QByteArray("\xC3 / \xD3"));
}

TEST(TextEncoding, WritesAnythingElseAsUtf8WithByteOrderMark)
{
    for (const QString &text : {Greek + Cyrillic, Emoji, QStringLiteral("中")}) {
        EXPECT_EQ(textencoding::encodingFor(text), Encoding::Utf8WithBom);
        EXPECT_EQ(written(text), QByteArray("\xEF\xBB\xBF") + text.toUtf8());
    }
}

TEST(TextEncoding, ReadsUtf8WhenMarkedOrValidAndTheGreekCodePageOtherwise)
{
    EXPECT_EQ(textencoding::decode(QByteArray("\xEF\xBB\xBF") + Cyrillic.toUtf8()), Cyrillic);
    EXPECT_EQ(textencoding::decode(Greek.toUtf8()), Greek);
    EXPECT_EQ(textencoding::decode(QByteArray("\xC3 / \xD3\xE1")), QStringLiteral("Γ / Σα"));
    EXPECT_EQ(textencoding::decode(QByteArray("plain")), QStringLiteral("plain"));
}

TEST(TextEncoding, RoundTripsLargeTextsAcrossChunks)
{
    // Long enough for several chunks, with pairs of surrogates falling on every offset.
    QString mixed;
    for (int i = 0; i < 400000; ++i)
        mixed += (i % 3 == 0) ? Emoji : Greek;
    EXPECT_EQ(textencoding::decode(written(mixed)), mixed);
    QString greek;
    for (int i = 0; i < 200000; ++i)
        greek += Greek;
    const QByteArray bytes = written(greek);
    EXPECT_EQ(bytes.size(), greek.size());
    EXPECT_EQ(textencoding::decode(bytes), greek);
}

} // namespace
