// The program's windows, created once at start in a fixed order and kept for the whole run:
// the main window, the about box, the distance plot window, the options dialog, the worksheet
// chooser, the new-sheet dialog, the analysis dialog and the configuration plot window. They
// are destroyed in the reverse order.
#pragma once

#include <QStringList>

#include <memory>

class Prompter;
class TAboutBox;
class TKestAFCfrm;
class TMainForm;
class TOptionsFrm;
class TOutPutFrm2;
class TOutputFrm;
class TXLSFrm;
class TpreMainFrm;

class Forms
{
  public:
    // `arguments` is the whole command line, the program name first.
    Forms(Prompter &prompter, const QStringList &arguments);
    ~Forms();

    TMainForm &MainForm() const { return *MainForm_; }
    TAboutBox &AboutBox() const { return *AboutBox_; }
    TOutputFrm &OutputFrm() const { return *OutputFrm_; }
    TOptionsFrm &OptionsFrm() const { return *OptionsFrm_; }
    TXLSFrm &XLSFrm() const { return *XLSFrm_; }
    TpreMainFrm &preMainFrm() const { return *preMainFrm_; }
    TKestAFCfrm &KestAFCfrm() const { return *KestAFCfrm_; }
    TOutPutFrm2 &OutPutFrm2() const { return *OutPutFrm2_; }

  private:
    std::unique_ptr<TMainForm> MainForm_;
    std::unique_ptr<TAboutBox> AboutBox_;
    std::unique_ptr<TOutputFrm> OutputFrm_;
    std::unique_ptr<TOptionsFrm> OptionsFrm_;
    std::unique_ptr<TXLSFrm> XLSFrm_;
    std::unique_ptr<TpreMainFrm> preMainFrm_;
    std::unique_ptr<TKestAFCfrm> KestAFCfrm_;
    std::unique_ptr<TOutPutFrm2> OutPutFrm2_;
};
