// Paper size, orientation and margins of the report.
#pragma once

#include "PageSetup.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;

class PageSetupDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit PageSetupDialog(const PageSetup &setup, QWidget *parent = nullptr);
    PageSetup setup() const;

  private:
    QComboBox *paper_;
    QComboBox *orientation_;
    QDoubleSpinBox *left_, *top_, *right_, *bottom_;
};
