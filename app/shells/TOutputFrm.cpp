#include "TOutputFrm.h"

TOutputFrm::TOutputFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QString());
    setFixedSize(578, 543);
}
