// The analysis dialog: the two variables that span the configuration plot, OK that asks for a
// run and "Έξοδος" that closes it. The dialog only tells its choices; the analysis commands run
// the analysis and own the libraries it calls.
#pragma once

#include <QDialog>

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

class TKestAFCfrm : public QDialog
{
    Q_OBJECT

  public:
    explicit TKestAFCfrm(QWidget *parent = nullptr);

    // The sheet's variable count, asked at every show for the range of both spin boxes.
    void setVariableCountSource(std::function<int()> variableCount);

    // 1-based variable numbers; a spin box never holds a value outside its range.
    int horizontalAxis() const;
    int verticalAxis() const;

    QGroupBox *GroupBox1;
    QLabel *Label2;
    QSpinBox *edtdim; // the horizontal-axis variable, with its arrows (UpDown1)
    QLabel *Label1;
    QSpinBox *edtdim2; // the vertical-axis variable, with its arrows (UpDown2)
    QPushButton *Button1;
    QPushButton *CancelBtn;

  signals:
    // OK was pressed: the caller runs the analysis; the dialog stays open.
    void runRequested();

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    void FormShow();

    std::function<int()> variableCount_ = [] { return 0; };
};
