#pragma once

#include "engine/tag_file.h"

#include <optional>
#include <string>
#include <vector>

// A change of the file's head: its first Old.size() bytes (the ID3v2 tag with its padding, none
// when it has no tag) become New, the rest of the file moving with them when the lengths differ.
struct THeadChange
{
    std::string Old;
    std::string New;
};

// What a change is about to do to one file, told before the first byte or name changes, so that
// an undo journal can hold it first: a batch killed between the change and its done mark then
// still knows what the file may have become.
struct TChangeIntent
{
    // The file as it is just before the change; Size -1 when the changer did not look at it (a
    // move, which leaves the bytes as they are).
    TFileState Before;
    // What the bytes will be: the size (-1: as they are) and the new last 128 bytes (none: not
    // known ahead, as when a trailer is cut off and an older one may show).
    std::int64_t Size = -1;
    std::optional<TTagTrailer> Trailer;
    // The head's change, when the ID3v2 tag changes: undo needs the old bytes back. Held by the
    // announcer while the intent is heard.
    const THeadChange* Head = nullptr;
    // A move: the new path and the folders made for it, parents first.
    std::string NewPath;
    std::vector<std::string> NewFolders;
};

// Whoever records changes before they are made.
class TChangeListener
{
public:
    virtual ~TChangeListener() = default;
    // 0 when the intent is recorded, else the errno value: the change must then not be made.
    virtual int BeforeChange(const TChangeIntent& intent) = 0;
};

// Makes `listener` hear every change this thread announces while the scope lasts.
class TChangeListenerScope
{
public:
    explicit TChangeListenerScope(TChangeListener* listener);
    ~TChangeListenerScope();
    TChangeListenerScope(const TChangeListenerScope&) = delete;
    TChangeListenerScope& operator=(const TChangeListenerScope&) = delete;

private:
    TChangeListener* Previous;
};

// True when a listener hears this thread's changes (an intent is then worth building).
bool ChangesHeard();
// Tells the thread's listener about a change about to be made: 0 (also without a listener) or
// the errno value of a listener that could not record it.
int AnnounceChange(const TChangeIntent& intent);

// Announces the change of a trailer to a file opened for it, which is `before` now: `written`
// over the trailer it ends in (or after its last byte), or the trailer cut off when null (a file
// without one is not changed, and nothing is announced). 0 without a listener; EIO when a
// listener hears but the file's state is not known. With `head`, the head changes too; with
// `trailerStays`, only the head does.
int AnnounceTrailerChange(const std::optional<TFileState>& before, const TTagTrailer* written,
                          const THeadChange* head = nullptr, bool trailerStays = false);
