#include "XlsxRelationships.h"

#include "PackageXml.h"

#include <QDir>

namespace
{

QString relationshipsPart(const QString &sourcePart)
{
    const qsizetype slash = sourcePart.lastIndexOf(u'/');
    return sourcePart.left(slash + 1) + QStringLiteral("_rels/") + sourcePart.mid(slash + 1) +
           QStringLiteral(".rels");
}

// Targets are relative to the source part's folder, or absolute from the package root.
QString resolve(const QString &sourcePart, QStringView target)
{
    if (target.startsWith(u'/'))
        return QDir::cleanPath(target.mid(1).toString());
    return QDir::cleanPath(sourcePart.left(sourcePart.lastIndexOf(u'/') + 1) + target.toString());
}

QString kindOf(QStringView type)
{
    return type.mid(type.lastIndexOf(u'/') + 1).toString();
}

} // namespace

XlsxRelationships::XlsxRelationships(ZipArchive &archive, const QString &sourcePart)
{
    PackageXml part(archive, relationshipsPart(sourcePart), u"Relationships");
    while (part.nextStartElement()) {
        if (part.name() != u"Relationship" || part.attribute(u"TargetMode") == u"External")
            continue;
        const QString id = part.attribute(u"Id").toString();
        if (id.isEmpty())
            part.fail(QStringLiteral("a relationship has no identifier"));
        byId_.insert(
            id, {kindOf(part.attribute(u"Type")), resolve(sourcePart, part.attribute(u"Target"))});
        order_.append(id);
    }
}

QString XlsxRelationships::target(const QString &id, QStringView kind) const
{
    const auto found = byId_.constFind(id);
    if (found == byId_.constEnd() || found->kind != kind)
        return {};
    return found->target;
}

QString XlsxRelationships::firstOfKind(QStringView kind) const
{
    for (const QString &id : order_) {
        if (byId_.value(id).kind == kind)
            return byId_.value(id).target;
    }
    return {};
}
