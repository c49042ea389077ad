// The new-sheet dialog: the numbers of objects and variables of a new sheet. It checks what is
// typed as it is typed and closes only through OK; the caller makes the sheet.
#pragma once

#include <QDialog>

class Prompter;
class QLineEdit;
class QPushButton;

class TpreMainFrm : public QDialog
{
    Q_OBJECT

  public:
    static constexpr int MaxObjects = 500000;
    static constexpr int MaxVariables = 2000;
    static const QString ObjectsOutOfRange;
    static const QString VariablesOutOfRange;

    explicit TpreMainFrm(Prompter &prompter, QWidget *parent = nullptr);

    // Both boxes back to "1".
    void resetBoxes();
    int objectCount() const;
    int variableCount() const;

    QLineEdit *rowBox() const { return rowedt; }
    QLineEdit *columnBox() const { return coledt; }
    QPushButton *okButton() const { return OKBtn; }

  public slots:
    // Without a size there is no sheet, so the dialog does not close any other way.
    void reject() override {}

  private:
    void checkBox(QLineEdit *box, QLineEdit *other, int maximum, const QString &outOfRange);

    Prompter &prompter_;
    QLineEdit *rowedt;
    QLineEdit *coledt;
    QPushButton *OKBtn;
};
