#include "ScriptedPrompter.h"

void ScriptedPrompter::answerQuestions(std::initializer_list<Answer> answers)
{
    questions_.insert(questions_.end(), answers);
}

void ScriptedPrompter::answerInputs(std::initializer_list<std::optional<QString>> answers)
{
    inputs_.insert(inputs_.end(), answers);
}

QStringList ScriptedPrompter::texts(Kind kind) const
{
    QStringList result;
    for (const Shown &box : shown_) {
        if (box.kind == kind)
            result << box.text;
    }
    return result;
}

void ScriptedPrompter::information(QWidget *, const QString &text)
{
    shown_.append({Kind::Information, text, {}});
}

void ScriptedPrompter::error(QWidget *, const QString &text)
{
    shown_.append({Kind::Error, text, {}});
}

Prompter::Answer ScriptedPrompter::question(QWidget *, const QString &text)
{
    shown_.append({Kind::Question, text, {}});
    if (questions_.empty())
        return Answer::Cancel;
    const Answer answer = questions_.front();
    questions_.pop_front();
    return answer;
}

QString ScriptedPrompter::input(QWidget *, const QString &caption, const QString &prompt,
                                const QString &text)
{
    shown_.append({Kind::Input, prompt, caption});
    if (inputs_.empty())
        return text;
    const std::optional<QString> answer = inputs_.front();
    inputs_.pop_front();
    return answer.value_or(text);
}
