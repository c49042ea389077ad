#include "TKestAFCfrm.h"

TKestAFCfrm::TKestAFCfrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Επιλογές..."));
    setFixedSize(300, 160);
}
