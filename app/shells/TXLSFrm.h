// The worksheet chooser of the workbook import: the workbook's worksheets in a drop-down list,
// the first selected. Only the list selects: typed keys are ignored. OK confirms; closing the
// dialog any other way cancels.
#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class QComboBox;
class QPushButton;

class TXLSFrm : public QDialog
{
    Q_OBJECT

  public:
    explicit TXLSFrm(QWidget *parent = nullptr);

    // Shows the names modally; returns the index of the one chosen, or nothing when cancelled.
    // The list is emptied again afterwards.
    std::optional<int> choose(const QStringList &names);

    QComboBox *sheetList() const { return cbSheet; }
    QPushButton *okButton() const { return OKBtn; }
    QPushButton *helpButton() const { return HelpBtn; }

  signals:
    void helpRequested();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    QComboBox *cbSheet;
    QPushButton *OKBtn;
    QPushButton *HelpBtn;
};
