#include "WorkerCall.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <future>
#include <thread>

namespace analysis
{

namespace
{

// Shown while the call runs; it closes itself when the call has ended, and never before.
class CallProgressDialog : public QDialog
{
  public:
    CallProgressDialog(QWidget *parent, const QString &activity, std::function<bool()> finished)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
          finished_(std::move(finished))
    {
        setObjectName(QStringLiteral("CallProgress"));
        setWindowTitle(QStringLiteral("Vistrel"));
        setModal(true);
        auto *busy = new QProgressBar;
        busy->setRange(0, 0);
        busy->setTextVisible(false);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(activity));
        layout->addWidget(busy);
        layout->setSizeConstraint(QLayout::SetFixedSize);

        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] {
            if (finished_())
                accept();
        });
        poll->start(std::chrono::milliseconds(30));
    }

    // Escape and the window's close button do nothing: there is no way to stop the call.
    void reject() override {}

  private:
    std::function<bool()> finished_;
};

bool isReady(const std::future<void> &done, std::chrono::milliseconds wait)
{
    return done.wait_for(wait) == std::future_status::ready;
}

} // namespace

void callOnWorker(const std::function<void()> &work, QWidget *parent, const QString &activity,
                  std::chrono::milliseconds patience)
{
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::jthread worker(std::move(task)); // joins on every way out
    if (!isReady(done, patience)) {
        CallProgressDialog progress(
            parent, activity, [&done] { return isReady(done, std::chrono::milliseconds(0)); });
        progress.exec();
    }
    worker.join();
    done.get();
}

} // namespace analysis
