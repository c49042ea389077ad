// The Prompter of the running program: message boxes and input boxes with Greek buttons.
#pragma once

#include "Prompter.h"

class DialogPrompter : public Prompter
{
  public:
    static const QString YesText;
    static const QString NoText;
    static const QString CancelText;
    static const QString OkText;

    void information(QWidget *parent, const QString &text) override;
    void error(QWidget *parent, const QString &text) override;
    Answer question(QWidget *parent, const QString &text) override;
    QString input(QWidget *parent, const QString &caption, const QString &prompt,
                  const QString &text) override;
};
