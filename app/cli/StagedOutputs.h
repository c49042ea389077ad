// The outputs of one command-line call, each written first to a temporary file beside its
// destination and moved into place only once every one of them has been written, so that a call
// that fails leaves every earlier file as it was.
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace cli
{

class StagedOutputs
{
  public:
    StagedOutputs() = default;
    // Removes the temporary files of a call that did not commit.
    ~StagedOutputs();
    StagedOutputs(const StagedOutputs &) = delete;
    StagedOutputs &operator=(const StagedOutputs &) = delete;

    // Calls `write` with a temporary file beside `path` for it to replace or fill. Whatever
    // CommandFailure it throws names `path` rather than the temporary file. Throws
    // CommandFailure (FileFailed) when no file can be made beside `path`.
    void stage(const QString &path, const std::function<void(const QString &temporary)> &write);

    // Moves every staged file to its destination, replacing what is there, with the permissions
    // that file had (or new files get). Throws CommandFailure (FileFailed) when one cannot be
    // moved.
    void commit();

  private:
    struct Staged {
        QString path;
        QString temporary;
    };
    std::vector<Staged> staged_;
};

} // namespace cli
