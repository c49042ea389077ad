// A FileChooser for tests: answers from a script and records every dialog it was asked for.
#pragma once

#include "files/FileChooser.h"

#include <QList>

#include <deque>

class ScriptedFileChooser : public FileChooser
{
  public:
    // The coming answers, in order; a dialog past the script is cancelled.
    void answer(std::initializer_list<std::optional<Choice>> choices)
    {
        choices_.insert(choices_.end(), choices);
    }

    const QList<Request> &requests() const { return requests_; }

    std::optional<Choice> choose(QWidget *, const Request &request) override
    {
        requests_.append(request);
        if (choices_.empty())
            return std::nullopt;
        const std::optional<Choice> choice = choices_.front();
        choices_.pop_front();
        return choice;
    }

  private:
    QList<Request> requests_;
    std::deque<std::optional<Choice>> choices_;
};
