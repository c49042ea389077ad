// The configuration plot window.
#pragma once

#include <QDialog>

class TOutPutFrm2 : public QDialog
{
    Q_OBJECT

  public:
    explicit TOutPutFrm2(QWidget *parent = nullptr);
};
