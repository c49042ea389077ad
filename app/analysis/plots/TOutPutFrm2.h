// The configuration plot window.
#pragma once

#include "PlotWindow.h"

class TOutPutFrm2 : public plots::PlotWindow
{
    Q_OBJECT
  public:
    explicit TOutPutFrm2(QWidget *parent = nullptr);
};
