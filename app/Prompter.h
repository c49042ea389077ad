// Every message box, question and input box of the program goes through a Prompter, so that
// the program's logic runs in tests without modal loops.
#pragma once

#include <QString>

class QWidget;

class Prompter
{
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter();

    // A success message with an OK button.
    virtual void information(QWidget *parent, const QString &text) = 0;
    // A failure message with an OK button.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // A confirmation with Yes, No and Cancel.
    virtual Answer question(QWidget *parent, const QString &text) = 0;
    // A one-line input box; returns `text` unchanged when cancelled.
    virtual QString input(QWidget *parent, const QString &caption, const QString &prompt,
                          const QString &text) = 0;
};
