#include "MainActions.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace
{

struct Look {
    const char *themeIcon;
    // Shown when the desktop's icon theme has no such icon; none leaves the caption on the button.
    int fallback = -1;
};

QIcon iconFor(const Look &look)
{
    const QIcon fallback = look.fallback < 0
                               ? QIcon()
                               : QApplication::style()->standardIcon(
                                     static_cast<QStyle::StandardPixmap>(look.fallback));
    return QIcon::fromTheme(QString::fromLatin1(look.themeIcon), fallback);
}

// A hint "short|long" gives the tool tip before the bar and the status tip after it.
QAction *make(QWidget *owner, const char *name, const QString &caption, const QString &hint,
              const QKeySequence &shortcut, const Look &look)
{
    auto *action = new QAction(iconFor(look), caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    if (!hint.isEmpty()) {
        action->setToolTip(hint.section(u'|', 0, 0));
        action->setStatusTip(hint.contains(u'|') ? hint.section(u'|', 1) : hint);
    }
    owner->addAction(action);
    return action;
}

} // namespace

MainActions::MainActions(QWidget *owner)
    : FileNew(make(owner, "FileNew", QStringLiteral("Δημιουργία"),
                   QStringLiteral("Δημιουργία|Δημιουργία νέου αρχείου"),
                   QKeySequence(Qt::CTRL | Qt::Key_N), {"document-new", QStyle::SP_FileIcon})),
      FileOpen(make(owner, "FileOpen", QStringLiteral("&Άνοιγμα..."),
                    QStringLiteral("Άνοιγμα|Ανοίγει το επιλεγμένο αρχείο"),
                    QKeySequence(Qt::CTRL | Qt::Key_O),
                    {"document-open", QStyle::SP_DialogOpenButton})),
      ImportXLSData(make(owner, "ImportXLSData", QStringLiteral("Εισαγωγή δεδομένων από..."),
                         QStringLiteral("Εισαγωγή δεδομένων από αρχείο"), {},
                         {"document-import", QStyle::SP_ArrowDown})),
      ExportXLSData(make(owner, "ExportXLSData", QStringLiteral("Εξαγωγή δεδομένων προς..."),
                         QStringLiteral("Εξαγωγή δεδομένων προς αρχείο"), {},
                         {"document-export", QStyle::SP_ArrowUp})),
      FileSaveAs(make(owner, "FileSaveAs", QStringLiteral("Αποθήκευση ως..."),
                      QStringLiteral("αποθήκευση ως"), {},
                      {"document-save-as", QStyle::SP_DialogSaveButton})),
      FileSave1(make(owner, "FileSave1", QStringLiteral("Αποθήκευση"),
                     QStringLiteral("Αποθήκευση|Αποθηκεύει το ενεργό αρχείο"),
                     QKeySequence(Qt::CTRL | Qt::Key_S),
                     {"document-save", QStyle::SP_DialogSaveButton})),
      Options(make(owner, "Options", QStringLiteral("Επιλογές.."), {}, {},
                   {"preferences-system", QStyle::SP_FileDialogDetailedView})),
      FileExit1(make(owner, "FileExit1", QStringLiteral("Έξοδος"),
                     QStringLiteral("Έξοδος|Έξοδος από το πρόγραμμα"),
                     QKeySequence(Qt::CTRL | Qt::Key_Q),
                     {"application-exit", QStyle::SP_DialogCloseButton})),
      InsertVariable(make(owner, "InsertVariable", QStringLiteral("Στήλη"), {}, {},
                          {"edit-table-insert-column-right"})),
      InsertCase(make(owner, "InsertCase", QStringLiteral("Γραμμή"), {}, {},
                      {"edit-table-insert-row-above"})),
      DeleteVariable(make(owner, "DeleteVariable", QStringLiteral("Στήλη"), {}, {},
                          {"edit-table-delete-column"})),
      DeleteCase(
          make(owner, "DeleteCase", QStringLiteral("Γραμμή"), {}, {}, {"edit-table-delete-row"})),
      Cut2(make(owner, "Cut2", QStringLiteral("Αποκοπή"), {}, QKeySequence(Qt::CTRL | Qt::Key_X),
                {"edit-cut"})),
      Copy(make(owner, "Copy", QStringLiteral("Αντιγραφή"), {}, QKeySequence(Qt::CTRL | Qt::Key_C),
                {"edit-copy"})),
      Paste(make(owner, "Paste", QStringLiteral("Επικόλληση"), {},
                 QKeySequence(Qt::CTRL | Qt::Key_V), {"edit-paste"})),
      SelectAll(make(owner, "SelectAll", QStringLiteral("Επιλογή όλων"), {},
                     QKeySequence(Qt::CTRL | Qt::Key_A), {"edit-select-all"})),
      Del(make(owner, "Del", QStringLiteral("Απαλοιφή Περιεχομένων"), {},
               QKeySequence(Qt::Key_Delete), {"edit-clear", QStyle::SP_LineEditClearButton})),
      AutoFormat(make(owner, "AutoFormat", QStringLiteral("Αυτόματη μορφοποίηση"), {}, {},
                      {"format-justify-fill"})),
      AFC(make(owner, "AFC", QStringLiteral("Προκρούστια Προβολή"),
               QStringLiteral("Προκρούστια Προβολή"), {}, {"applications-science"})),
      About(make(owner, "About", QStringLiteral("Πληροφορίες"),
                 QStringLiteral("Πληροφορίες|Πληροφορίες"), {},
                 {"help-about", QStyle::SP_MessageBoxInformation}))
{
    // The analysis needs a sheet: it is enabled once one is made or opened.
    AFC->setEnabled(false);
}
