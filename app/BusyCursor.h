// Shows the busy pointer for as long as it lives, so every way out of an operation restores it.
#pragma once

#include <QCursor>
#include <QGuiApplication>

class BusyCursor
{
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};
