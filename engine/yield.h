#pragma once

#include <functional>

// Called inside long loops so that a window can process its pending events; may be empty.
using TYieldFn = std::function<void()>;
