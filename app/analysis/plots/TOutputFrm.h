// The distance plot window: centred on the screen, no print button.
#pragma once

#include "PlotWindow.h"

class TOutputFrm : public plots::PlotWindow
{
    Q_OBJECT
  public:
    explicit TOutputFrm(QWidget *parent = nullptr);

  protected:
    void showEvent(QShowEvent *event) override;
};
