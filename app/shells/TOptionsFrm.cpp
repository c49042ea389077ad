#include "TOptionsFrm.h"

TOptionsFrm::TOptionsFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Επιλογές"));
    setFixedSize(353, 233);
}
