// The analysis dialog.
#pragma once

#include <QDialog>

class TKestAFCfrm : public QDialog
{
    Q_OBJECT

  public:
    explicit TKestAFCfrm(QWidget *parent = nullptr);
};
