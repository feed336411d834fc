#pragma once

#include <QIcon>

// The small pictures of the main window's tool buttons, drawn so they look the same on every
// desktop theme.
enum class TToolIcon
{
    Settings,
    Keys,
    Help,
    Mail,
    Web,
};

QIcon ToolIcon(TToolIcon kind);
