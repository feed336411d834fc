#include "workspace/activity.h"

bool TActivity::Run(TActivityKind kind, const std::function<void()>& command)
{
    if (Busy()) {
        return false;
    }
    const TBusyGuard guard(*this, kind);
    command();
    return true;
}

bool TActivity::RunLatest(TActivityKind kind, const std::function<void()>& command)
{
    if (Current == kind) {
        Again = true;
        return false;
    }
    const TBusyGuard guard(*this, kind);
    do {
        Again = false;
        command();
    } while (Again && !StopRequested());
    Again = false;
    return true;
}

void TActivity::StopThen(const std::function<void()>& then)
{
    if (!Busy()) {
        then();
        return;
    }
    WhenIdle.push_back(then);
}

void TActivity::OnChanged(std::function<void(TActivityKind)> listener)
{
    Listeners.push_back(std::move(listener));
}

void TActivity::Enter(TActivityKind kind)
{
    if (Current != kind) {
        Current = kind;
        for (const auto& listener : Listeners) {
            listener(Current);
        }
    }
}

void TActivity::Leave(TActivityKind previous)
{
    Enter(previous);
    if (Busy() || WhenIdle.empty()) {
        return;
    }
    // taken out first: a callback may ask for another stop
    const std::vector<std::function<void()>> pending = std::move(WhenIdle);
    WhenIdle.clear();
    for (const auto& then : pending) {
        then();
    }
}

TBusyGuard::TBusyGuard(TActivity& activity, TActivityKind kind)
    : Activity(activity), Previous(activity.State())
{
    Activity.Enter(kind);
}

TBusyGuard::~TBusyGuard()
{
    Activity.Leave(Previous);
}
