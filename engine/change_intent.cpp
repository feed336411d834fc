#include "engine/change_intent.h"

#include <cerrno>

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

int AnnounceTrailerChange(const std::optional<TFileState>& before, const TTagTrailer* written,
                          const THeadChange* head, bool trailerStays)
{
    if (!ChangesHeard()) {
        return 0;
    }
    if (!before) {
        return EIO;
    }
    TChangeIntent intent;
    intent.Before = *before;
    constexpr auto trailerSize = static_cast<std::int64_t>(TagTrailerSize);
    if (trailerStays) {
        intent.Size = before->Size;
        intent.Trailer = before->Trailer;
    } else if (written != nullptr) {
        intent.Size = before->Size + (before->Trailer ? 0 : trailerSize);
        intent.Trailer = *written;
    } else if (before->Trailer) {
        intent.Size = before->Size - trailerSize;
    }
    if (head != nullptr) {
        if (intent.Size < 0) {
            intent.Size = before->Size; // no trailer to cut off: only the head changes
        }
        intent.Size += static_cast<std::int64_t>(head->New.size()) -
                       static_cast<std::int64_t>(head->Old.size());
        intent.Head = head;
    }
    // a file without a trailer to cut off is not changed
    return intent.Size >= 0 ? AnnounceChange(intent) : 0;
}
