#include "DialogFileChooser.h"

#include <QDir>
#include <QFileDialog>

namespace
{

QStringList dialogTexts(const FileFilter &filter)
{
    QStringList texts;
    for (const FileFilter::Entry &entry : filter.entries())
        texts += FileFilter::dialogText(entry);
    return texts;
}

void configure(QFileDialog &dialog, const FileChooser::Request &request)
{
    const bool open = request.purpose == FileChooser::Purpose::Open;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(dialogTexts(request.filter));
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

int entryIndex(const QStringList &texts, const QString &text)
{
    return std::max<int>(0, static_cast<int>(texts.indexOf(text)));
}

} // namespace

std::optional<FileChooser::Choice> DialogFileChooser::choose(QWidget *parent,
                                                             const Request &request)
{
    QFileDialog dialog(parent);
    configure(dialog, request);
    const QList<FileFilter::Entry> &entries = request.filter.entries();
    const QStringList texts = dialogTexts(request.filter);
    const int selected = std::clamp(request.selectedEntry, 1, std::max<int>(1, entries.size())) - 1;
    if (selected < entries.size()) {
        dialog.selectNameFilter(texts[selected]);
        dialog.setDefaultSuffix(entries[selected].suffix);
    }
    // A name typed without a suffix takes the suffix of the entry chosen at that moment.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &text) {
        dialog.setDefaultSuffix(entries.value(entryIndex(texts, text)).suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Choice{QDir::toNativeSeparators(dialog.selectedFiles().front()),
                  entryIndex(texts, dialog.selectedNameFilter()) + 1};
}
