#include "TOutPutFrm2.h"

TOutPutFrm2::TOutPutFrm2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QString());
    setFixedSize(578, 543);
}
