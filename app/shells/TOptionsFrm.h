// The options dialog: decimal separator and interchange delimiter.
#pragma once

#include <QDialog>

class TOptionsFrm : public QDialog
{
    Q_OBJECT

  public:
    explicit TOptionsFrm(QWidget *parent = nullptr);
};
