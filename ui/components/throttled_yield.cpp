#include "ui/components/throttled_yield.h"

#include <QCoreApplication>

TThrottledYield::TThrottledYield()
{
    Clock.start();
}

void TThrottledYield::operator()()
{
    if (Clock.elapsed() >= IntervalMs) {
        Now();
    }
}

void TThrottledYield::Now()
{
    if (BeforeEvents) {
        BeforeEvents();
    }
    QCoreApplication::processEvents();
    Clock.restart();
}
