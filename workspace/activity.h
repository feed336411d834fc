#pragma once

#include <functional>
#include <vector>

// What the program is busy with. Everything runs on one thread, but a long job lets the window
// process its events, so a click can arrive while it runs.
enum class TActivityKind
{
    Idle,
    Scanning,  // a folder is being listed
    Analysing, // the selected file is being read for display
    Batch,     // a batch command changes files
};

// The one busy guard of the program. A command runs through Run, which refuses it while anything
// else runs; the windows follow Changed to disable their commands meanwhile.
class TActivity
{
public:
    TActivity() = default;
    TActivity(const TActivity&) = delete;
    TActivity& operator=(const TActivity&) = delete;

    TActivityKind State() const { return Current; }
    bool Busy() const { return Current != TActivityKind::Idle; }

    // Runs `command` as `kind` when the program is idle; false, running nothing, when busy.
    bool Run(TActivityKind kind, const std::function<void()>& command);

    // For a view that follows the newest request (the display of the selected file): runs
    // `command` as `kind`, also inside another job that lets events through. A request that
    // arrives while `command` runs is not nested but taken up by running it once more when it
    // returns; that request itself returns false.
    bool RunLatest(TActivityKind kind, const std::function<void()>& command);

    // Asks the running jobs to stop early and runs `then` once the program is idle again (at
    // once when it is idle now).
    void StopThen(const std::function<void()>& then);
    // A stop was asked for; long jobs skip their remaining work.
    bool StopRequested() const { return !WhenIdle.empty(); }

    // `listener` is called with the new state whenever it changes.
    void OnChanged(std::function<void(TActivityKind)> listener);

private:
    friend class TBusyGuard;
    void Enter(TActivityKind kind);
    void Leave(TActivityKind previous);

    TActivityKind Current = TActivityKind::Idle;
    bool Again = false;
    std::vector<std::function<void()>> WhenIdle;
    std::vector<std::function<void(TActivityKind)>> Listeners;
};

// Holds the activity in `kind` for its lifetime and restores the previous state after; the last
// guard to leave lets the program become idle.
class TBusyGuard
{
public:
    TBusyGuard(TActivity& activity, TActivityKind kind);
    ~TBusyGuard();
    TBusyGuard(const TBusyGuard&) = delete;
    TBusyGuard& operator=(const TBusyGuard&) = delete;

private:
    TActivity& Activity;
    TActivityKind Previous;
};
