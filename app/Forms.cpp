#include "Forms.h"

#include "TAboutBox.h"
#include "TMainForm.h"
#include "TpreMainFrm.h"
#include "analysis/plots/TOutPutFrm2.h"
#include "analysis/plots/TOutputFrm.h"
#include "shells/TKestAFCfrm.h"
#include "shells/TOptionsFrm.h"
#include "shells/TXLSFrm.h"

Forms::Forms(Prompter &prompter, const QStringList &arguments)
    : MainForm_(std::make_unique<TMainForm>(prompter)), AboutBox_(std::make_unique<TAboutBox>()),
      OutputFrm_(std::make_unique<TOutputFrm>()), OptionsFrm_(std::make_unique<TOptionsFrm>()),
      XLSFrm_(std::make_unique<TXLSFrm>()), preMainFrm_(std::make_unique<TpreMainFrm>(prompter)),
      KestAFCfrm_(std::make_unique<TKestAFCfrm>()), OutPutFrm2_(std::make_unique<TOutPutFrm2>())
{
    MainForm_->attachDialogs(*AboutBox_, *preMainFrm_);
    MainForm_->setStartArguments(arguments.mid(1));
}

Forms::~Forms() = default;
