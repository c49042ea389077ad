#include "TOutPutFrm2.h"

TOutPutFrm2::TOutPutFrm2(QWidget *parent) : plots::PlotWindow(QStringLiteral("OutPutFrm2"), parent)
{
}
