#pragma once

#include <cstddef>
#include <string>

// Where a catalogue run reports its progress; the window passes its progress window, the
// command line its standard error. Every operation does nothing unless overridden.
class THtmlProgress
{
public:
    virtual ~THtmlProgress() = default;

    // The songs are being read (Show) or the run is over (Hide).
    virtual void Show() {}
    virtual void Hide() {}

    virtual void Range(std::size_t /*range*/) {}
    virtual void Position(std::size_t /*position*/) {}
    virtual void Text(const std::string& /*text*/) {}
    // Shows what Range, Position and Text set.
    virtual void Refresh() {}

    // `count` tag pages of this run are written.
    virtual void TagPagesWritten(std::size_t /*count*/) {}
};
