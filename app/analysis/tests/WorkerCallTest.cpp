// Long calls off the interface thread, with the progress box that waits for them.
#include "analysis/WorkerCall.h"

#include <QApplication>
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

TEST(WorkerCallTest, AShortCallShowsNoProgressBox)
{
    bool progressShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { progressShown |= progressBox() != nullptr; });
    watch.start(1ms);
    std::thread::id worker;
    callOnWorker([&] { worker = std::this_thread::get_id(); }, nullptr, Activity);
    EXPECT_NE(worker, std::this_thread::get_id());
    EXPECT_FALSE(progressShown);
}

TEST(WorkerCallTest, ALongCallKeepsAProgressBoxThatCannotBeClosedUntilItEnds)
{
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
