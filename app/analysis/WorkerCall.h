// A long call made off the interface thread, so that the windows keep repainting while it runs.
#pragma once

#include <QString>

#include <chrono>
#include <functional>

class QWidget;

namespace analysis
{

// Runs `work` on a worker thread and returns when it has ended, rethrowing here whatever it
// threw. When it takes longer than `patience`, a modal progress box without Cancel (the call
// cannot be interrupted) stays up until it ends. A quitting application still waits for it.
// `work` must not touch any widget.
void callOnWorker(const std::function<void()> &work, QWidget *parent, const QString &activity,
                  std::chrono::milliseconds patience = std::chrono::milliseconds(500));

} // namespace analysis
