#pragma once

#include <functional>
#include <string>

// How a batch job reports its progress before each step: the bar is filled `position` parts of
// `range`, and `text` is shown on it ("3 / 120", "Waiting ..."). May be empty.
using TProgressFn = std::function<void(int position, int range, const std::string& text)>;

// The position and the range as decimal numbers joined by " / ".
std::string ProgressText(int position, int range);

// Width in pixels of the bar inside a frame `frameWidth` wide, whose borders take 8 pixels:
// (frameWidth - 8) * position / range, truncated. A range of 0 gives a full bar; a position
// outside 0..range gives an empty or a full bar.
int ProgressBarWidth(int frameWidth, int position, int range);
