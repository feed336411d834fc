#pragma once

#include <QString>
#include <QWidget>

#include <type_traits>

// The words of a control's role name, as a screen reader reads them: "WholePathBox" becomes
// "Whole path box"; a run of capitals stays one word ("HtmlButton", "ID3").
inline QString RoleWords(const QString& name)
{
    QString words;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar letter = name[i];
        const bool wordStart = i > 0 && letter.isUpper() && name[i - 1].isLower();
        if (wordStart) {
            words += QLatin1Char(' ');
        }
        words += i > 0 && wordStart ? letter.toLower() : letter;
    }
    return words;
}

// Gives a new control its role name, as object name and, for a widget, as accessible name (a
// menu entry is read by its text).
template <typename T> T* Named(T* control, const char* name)
{
    const QString role = QLatin1String(name);
    control->setObjectName(role);
    if constexpr (std::is_base_of_v<QWidget, T>) {
        control->setAccessibleName(RoleWords(role));
    }
    return control;
}
