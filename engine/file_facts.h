#pragma once

#include "engine/date_time.h"

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
// kept until that folder changes, so analysing a whole folder looks the labels up once.
class TVolumeLabels
{
public:
    // The label of the file system on `device` (a file's st_dev); empty when it has none.
    std::string LabelOf(dev_t device);

    // The folder to look in; tests point it elsewhere.
    std::string LabelFolder = "/dev/disk/by-label";

private:
    bool Known = false;
    dev_t Device = 0;
    std::timespec FolderChanged{};
    std::string Label;
};

// A name from /dev/disk/by-label with its \xHH escapes decoded.
std::string UnescapeLabel(const std::string& name);
