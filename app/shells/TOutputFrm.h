// The distance plot window.
#pragma once

#include <QDialog>

class TOutputFrm : public QDialog
{
    Q_OBJECT

  public:
    explicit TOutputFrm(QWidget *parent = nullptr);
};
