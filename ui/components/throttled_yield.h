#pragma once

#include <QElapsedTimer>

#include <functional>

// The yield callback of long loops: lets the window process its pending events, but no more often
// than the screen can show a change, so a loop over thousands of files is not slowed by it.
// `BeforeEvents` runs just before, to bring running counters up to date.
class TThrottledYield
{
public:
    static constexpr int IntervalMs = 16;

    TThrottledYield();

    void operator()();
    // Processes events now, whatever the time since the last call.
    void Now();

    std::function<void()> BeforeEvents;

private:
    QElapsedTimer Clock;
};
