// Long calls off the interface thread, with the progress box that waits for them.
#include "analysis/WorkerCall.h"

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace analysis
{
namespace
{

using namespace std::chrono_literals;

const QString Activity = QStringLiteral("Υπολογισμός...");

QWidget *progressBox()
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal && modal->objectName() == QStringLiteral("CallProgress") ? modal : nullptr;
}

// Counts the showings of the progress box, which happen whether an event loop runs or not.
class ProgressShowings : public QObject
{
  public:
    ProgressShowings() { qApp->installEventFilter(this); }
    ~ProgressShowings() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show &&
            watched->objectName() == QStringLiteral("CallProgress"))
            ++count;
        return false;
    }

    int count = 0;
};

TEST(WorkerCallTest, AShortCallRunsOnAWorkerWithoutAProgressBox)
{
    const ProgressShowings showings;
    std::thread::id worker;
    callOnWorker([&] { worker = std::this_thread::get_id(); }, nullptr, Activity);
    EXPECT_NE(worker, std::this_thread::get_id());
    EXPECT_EQ(showings.count, 0);
}

TEST(WorkerCallTest, ALongCallKeepsAProgressBoxThatCannotBeClosedUntilItEnds)
{
    const ProgressShowings showings;
    bool progressShown = false;
    bool stillShownAfterEscape = false;
    QTimer::singleShot(150ms, [&] {
        QWidget *box = progressBox();
        progressShown = box != nullptr;
        if (!box)
            return;
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stillShownAfterEscape = progressBox() == box && box->isVisible();
    });
    callOnWorker([] { std::this_thread::sleep_for(400ms); }, nullptr, Activity, 20ms);
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(stillShownAfterEscape);
    EXPECT_EQ(showings.count, 1);
    EXPECT_EQ(progressBox(), nullptr);
}

TEST(WorkerCallTest, WhatTheCallThrowsIsThrownToTheCaller)
{
    for (const auto patience : {0ms, 1000ms}) {
        EXPECT_THROW(callOnWorker(
                         [] {
                             std::this_thread::sleep_for(50ms);
                             throw std::invalid_argument("bad");
                         },
                         nullptr, Activity, patience),
                     std::invalid_argument);
    }
}

} // namespace
} // namespace analysis
