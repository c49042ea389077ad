// The options dialog: the program-wide decimal separator and the delimiter of the text
// interchange. Choices take effect as they are clicked; there is no Cancel. Nothing is stored
// between runs: every run starts with the comma and the tab. The dialog only tells its choices;
// the file commands make the separator the program's and answer its help button.
#pragma once

#include <QChar>
#include <QDialog>

class QButtonGroup;
class QPushButton;

class TOptionsFrm : public QDialog
{
    Q_OBJECT

  public:
    explicit TOptionsFrm(QWidget *parent = nullptr);

    QChar decimalSeparator() const;
    // 0: tab, 1: ";", 2: ",", 3: space.
    int delimiterIndex() const;
    QChar delimiter() const;

    // Applies the chosen decimal separator: at every click, at every showing, and when a new
    // sheet is made. Until the first time the operating system's locale applies.
    void InitOptions();

    QButtonGroup *decimalGroup() const { return RadioGroup1; }
    QButtonGroup *delimiterGroup() const { return RadioGroup2; }
    QPushButton *okButton() const { return OKBtn; }
    QPushButton *helpButton() const { return HelpBtn; }

  signals:
    void decimalSeparatorApplied(QChar decimal);
    void helpRequested();

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    QButtonGroup *RadioGroup1;
    QButtonGroup *RadioGroup2;
    QPushButton *OKBtn;
    QPushButton *HelpBtn;
};
