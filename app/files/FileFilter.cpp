#include "FileFilter.h"

namespace
{

QStringList patternsOf(const QString &text)
{
    QStringList patterns;
    for (const QString &pattern : text.split(u';', Qt::SkipEmptyParts))
        patterns += pattern.trimmed();
    return patterns;
}

QString suffixOf(const QString &pattern)
{
    const qsizetype dot = pattern.lastIndexOf(u'.');
    return dot < 0 ? QString() : pattern.mid(dot + 1);
}

// The description without a trailing "(...)" of its own, which the dialog text writes anew.
QString bareDescription(const QString &description)
{
    const qsizetype open = description.lastIndexOf(u'(');
    if (open < 0 || !description.endsWith(u')'))
        return description;
    return description.left(open).trimmed();
}

} // namespace

FileFilter::FileFilter(const QString &text) : text_(text)
{
    const QStringList parts = text.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = patternsOf(parts[i + 1]);
        entries_.append(
            {parts[i], patterns, patterns.isEmpty() ? QString() : suffixOf(patterns[0])});
    }
}

QString FileFilter::dialogText(const Entry &entry)
{
    return bareDescription(entry.description) + QStringLiteral(" (") + entry.patterns.join(u' ') +
           u')';
}
