#pragma once

#include "engine/regional_settings.h"

// The user's regional settings from the system locale, for the formatter.
TRegionalSettings SystemRegionalSettings();
