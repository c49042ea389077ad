#include "ReportStyle.h"

#include <QFontDatabase>

namespace reportstyle
{

namespace
{

QString installedFamily(const QString &wanted, const QString &substitute)
{
    return QFontDatabase::hasFamily(wanted) ? wanted : substitute;
}

QFont baseFont(const QString &family)
{
    QFont font(family);
    font.setPointSizeF(10);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::ForceOutline);
    return font;
}

} // namespace

QFont font(ItemRole role)
{
    static const QString sans =
        installedFamily(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    static const QString serif =
        installedFamily(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont font = baseFont(role == ItemRole::Footer ? serif : sans);
    const bool bold = role == ItemRole::Title || role == ItemRole::Caption ||
                      role == ItemRole::ColumnLabel || role == ItemRole::RowLabel;
    font.setBold(bold);
    font.setUnderline(role == ItemRole::Caption);
    return font;
}

Qt::Alignment alignment(ItemRole role)
{
    switch (role) {
    case ItemRole::Title:
    case ItemRole::ColumnLabel:
    case ItemRole::Footer:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case ItemRole::Caption:
    case ItemRole::RowLabel:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ItemRole::Cell:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignCenter;
}

bool framed(ItemRole role)
{
    return role != ItemRole::Caption && role != ItemRole::Footer;
}

QColor background(ItemRole role)
{
    switch (role) {
    case ItemRole::Title:
        return titleBackground;
    case ItemRole::ColumnLabel:
    case ItemRole::RowLabel:
        return labelBackground;
    default:
        return {};
    }
}

} // namespace reportstyle
