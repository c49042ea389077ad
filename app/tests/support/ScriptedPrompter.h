// A Prompter for tests: answers from a script and records every box it was asked to show.
#pragma once

#include "Prompter.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>

class ScriptedPrompter : public Prompter
{
  public:
    enum class Kind { Information, Error, Question, Input };
    struct Shown {
        Kind kind;
        QString text;
        QString caption;
    };

    // Answers to the coming questions, in order; a question past the script is cancelled.
    void answerQuestions(std::initializer_list<Answer> answers);
    // Answers to the coming input boxes; std::nullopt cancels one.
    void answerInputs(std::initializer_list<std::optional<QString>> answers);

    const QList<Shown> &shown() const { return shown_; }
    QStringList texts(Kind kind) const;
    void forget() { shown_.clear(); }

    void information(QWidget *parent, const QString &text) override;
    void error(QWidget *parent, const QString &text) override;
    Answer question(QWidget *parent, const QString &text) override;
    QString input(QWidget *parent, const QString &caption, const QString &prompt,
                  const QString &text) override;

  private:
    QList<Shown> shown_;
    std::deque<Answer> questions_;
    std::deque<std::optional<QString>> inputs_;
};
