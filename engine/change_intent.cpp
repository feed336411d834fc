#include "engine/change_intent.h"

namespace {

thread_local TChangeListener* Listener = nullptr;

} // namespace

TChangeListenerScope::TChangeListenerScope(TChangeListener* listener) : Previous(Listener)
{
    Listener = listener;
}

TChangeListenerScope::~TChangeListenerScope()
{
    Listener = Previous;
}

bool ChangesHeard()
{
    return Listener != nullptr;
}

int AnnounceChange(const TChangeIntent& intent)
{
    return Listener != nullptr ? Listener->BeforeChange(intent) : 0;
}
