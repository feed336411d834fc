#pragma once

#include "engine/date_time.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>
#include <sys/types.h>

// The last-write time as a local date-time value and as packed DOS date and time (-1 when the DOS
// format cannot hold it).
struct TWriteTime
{
    TDateTime DateTime;
    std::int32_t Packed = 0;
};

TWriteTime WriteTimeOf(std::time_t modified);

// Labels of file systems, as /dev/disk/by-label names them. The answer for the last device is
// kept for a second, so analysing a whole folder looks the label up about once a second rather
// than once a file, and a disk swapped for another shows its own label soon after.
class TVolumeLabels
{
public:
    // The label of the file system on `device` (a file's st_dev); empty when it has none.
    std::string LabelOf(dev_t device);

    // The folder to look in, and how long an answer is kept; tests change them.
    std::string LabelFolder = "/dev/disk/by-label";
    std::chrono::steady_clock::duration MaxAge = std::chrono::seconds(1);

private:
    bool Known = false;
    dev_t Device = 0;
    std::chrono::steady_clock::time_point LookedUp;
    std::string Label;
};

// A name from /dev/disk/by-label with its \xHH escapes decoded.
std::string UnescapeLabel(const std::string& name);
