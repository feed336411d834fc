#include "ui/auxiliary/shortcut_list_window.h"

#include "ui/components/named.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int TabWidth = 8;
constexpr int ActionColumn = 24;

struct TKeyLine
{
    const char* Key;
    const char* Action;
};

// A line whose key is empty is a group heading.
const TKeyLine MainWindowKeys[] = {
    {"", QT_TRANSLATE_NOOP("TShortcutListWindow", "buttons")},
    {"Alt + L", QT_TRANSLATE_NOOP("TShortcutListWindow", "Clear Tags")},
    {"Alt + W", QT_TRANSLATE_NOOP("TShortcutListWindow", "Write ID3 Tags")},
    {"Alt + S", QT_TRANSLATE_NOOP("TShortcutListWindow", "Set File Name")},
    {"Alt + N", QT_TRANSLATE_NOOP("TShortcutListWindow", "Name To ID3")},
    {"Alt + H", QT_TRANSLATE_NOOP("TShortcutListWindow", "HTML")},
    {"Ctrl + O", QT_TRANSLATE_NOOP("TShortcutListWindow", "Open")},
    {"Ctrl + S", QT_TRANSLATE_NOOP("TShortcutListWindow", "Settings")},
    {"Ctrl + E", QT_TRANSLATE_NOOP("TShortcutListWindow", "Show Errors")},
    {"Ctrl + H", QT_TRANSLATE_NOOP("TShortcutListWindow", "Help")},
    {"Ctrl + U", QT_TRANSLATE_NOOP("TShortcutListWindow", "About")},
    {"Ctrl + M", QT_TRANSLATE_NOOP("TShortcutListWindow", "Mail to ...")},
    {"Ctrl + P", QT_TRANSLATE_NOOP("TShortcutListWindow", "Home Page ...")},
    {"", QT_TRANSLATE_NOOP("TShortcutListWindow", "tag`s")},
    {"Alt + T", QT_TRANSLATE_NOOP("TShortcutListWindow", "Title")},
    {"Alt + A", QT_TRANSLATE_NOOP("TShortcutListWindow", "Artist")},
    {"Alt + B", QT_TRANSLATE_NOOP("TShortcutListWindow", "Album")},
    {"Alt + Y", QT_TRANSLATE_NOOP("TShortcutListWindow", "Year")},
    {"Alt + C", QT_TRANSLATE_NOOP("TShortcutListWindow", "Comment")},
    {"Alt + G", QT_TRANSLATE_NOOP("TShortcutListWindow", "Genre")},
    {"Alt + R", QT_TRANSLATE_NOOP("TShortcutListWindow", "Track Nr")},
    {"Ctrl + T", QT_TRANSLATE_NOOP("TShortcutListWindow", "Enable/Disable Title")},
    {"Ctrl + A", QT_TRANSLATE_NOOP("TShortcutListWindow", "Enable/Disable Artist")},
    {"Ctrl + B", QT_TRANSLATE_NOOP("TShortcutListWindow", "Enable/Disable Album")},
    {"Ctrl + Y", QT_TRANSLATE_NOOP("TShortcutListWindow", "Enable/Disable Year")},
    {"Ctrl + C", QT_TRANSLATE_NOOP("TShortcutListWindow", "Enable/Disable Comment")},
    {"Ctrl + G", QT_TRANSLATE_NOOP("TShortcutListWindow", "Enable/Disable Genre")},
    {"Ctrl + R", QT_TRANSLATE_NOOP("TShortcutListWindow", "Enable/Disable Track")},
    {"", QT_TRANSLATE_NOOP("TShortcutListWindow", "others")},
    {"Alt + P", QT_TRANSLATE_NOOP("TShortcutListWindow", "Apply to Whole Path")},
    {"Alt + M", QT_TRANSLATE_NOOP("TShortcutListWindow", "Macro")},
    {"Alt + E", QT_TRANSLATE_NOOP("TShortcutListWindow", "Text Macro")},
    {"Alt + I", QT_TRANSLATE_NOOP("TShortcutListWindow", "Show/Hide Hint")},
    {"Alt + Shift + >", QT_TRANSLATE_NOOP("TShortcutListWindow", "Show Comment Pannel (Left)")},
    {"Alt + Shift + <", QT_TRANSLATE_NOOP("TShortcutListWindow", "Hide Comment Pannel (Left)")},
    {"Alt + F", QT_TRANSLATE_NOOP("TShortcutListWindow", "FileListBox2")},
    {"Alt + U", QT_TRANSLATE_NOOP("TShortcutListWindow", "Normal Scan / Recursive Scan")},
};

const TKeyLine SettingsWindowKeys[] = {
    {"Alt + T", QT_TRANSLATE_NOOP("TShortcutListWindow", "Title")},
    {"Alt + A", QT_TRANSLATE_NOOP("TShortcutListWindow", "Artist")},
    {"Alt + B", QT_TRANSLATE_NOOP("TShortcutListWindow", "Album")},
    {"Alt + Y", QT_TRANSLATE_NOOP("TShortcutListWindow", "Year")},
    {"Alt + M", QT_TRANSLATE_NOOP("TShortcutListWindow", "Comment")},
    {"Alt + G", QT_TRANSLATE_NOOP("TShortcutListWindow", "Genre")},
    {"Alt + R", QT_TRANSLATE_NOOP("TShortcutListWindow", "Track Nr")},
    {"Alt + F", QT_TRANSLATE_NOOP("TShortcutListWindow", "Limit FileName ...")},
    {"Alt + P", QT_TRANSLATE_NOOP("TShortcutListWindow", "Clear \"Recent Paths\" List")},
    {"Alt + W", QT_TRANSLATE_NOOP("TShortcutListWindow", "Warning BitRate ...")},
    {"Alt + D", QT_TRANSLATE_NOOP("TShortcutListWindow", "... NOT add files ...")},
    {"Alt + O", QT_TRANSLATE_NOOP("TShortcutListWindow", "OK")},
    {"Alt + C", QT_TRANSLATE_NOOP("TShortcutListWindow", "Cancel")},
};

const TKeyLine ExtractionWindowKeys[] = {
    {"Ctrl + 1 to Ctrl + 6", QT_TRANSLATE_NOOP("TShortcutListWindow", "Select Separator 1 to 6")},
    {"Shift + 1 to Shift + 6", QT_TRANSLATE_NOOP("TShortcutListWindow", "Select Tag List 1 to 6")},
    {"Alt + Shift + <", QT_TRANSLATE_NOOP("TShortcutListWindow", "'<<'")},
    {"Alt + Shift + >", QT_TRANSLATE_NOOP("TShortcutListWindow", "'>>'")},
    {"Alt + O", QT_TRANSLATE_NOOP("TShortcutListWindow", "Ok")},
    {"Alt + C", QT_TRANSLATE_NOOP("TShortcutListWindow", "Cancel")},
    {"Alt + D", QT_TRANSLATE_NOOP("TShortcutListWindow", "Delete Item")},
    {"Alt + L", QT_TRANSLATE_NOOP("TShortcutListWindow", "Clear List")},
    {"Alt + A", QT_TRANSLATE_NOOP("TShortcutListWindow", "Add New")},
    {"Alt + .", QT_TRANSLATE_NOOP("TShortcutListWindow", "Add Items for \"Replace\" Function ...")},
    {"Alt + W", QT_TRANSLATE_NOOP("TShortcutListWindow", "Lower Case")},
    {"Alt + U", QT_TRANSLATE_NOOP("TShortcutListWindow", "Upper Case")},
    {"Alt + F", QT_TRANSLATE_NOOP("TShortcutListWindow", "Capitalize First")},
    {"Alt + N", QT_TRANSLATE_NOOP("TShortcutListWindow", "None")},
    {"Alt + G", QT_TRANSLATE_NOOP("TShortcutListWindow", "Extracted TAG`s")},
    {"Alt + S", QT_TRANSLATE_NOOP("TShortcutListWindow", "All TAG`s")},
    {"Alt + E", QT_TRANSLATE_NOOP("TShortcutListWindow", "Show Errors")},
    {"Alt + T", QT_TRANSLATE_NOOP("TShortcutListWindow", "Preserve other TAG")},
    {"Alt + R", QT_TRANSLATE_NOOP("TShortcutListWindow", "AutoTrim Spaces from TAG`s")},
    {"Alt + P", QT_TRANSLATE_NOOP("TShortcutListWindow", "Show/Hide Path")},
};

// The text, then as many tabs as reach the action column (one at least).
QString Tabbed(const QString& text)
{
    const int tabs =
        std::max(1, (ActionColumn - static_cast<int>(text.size()) + TabWidth - 1) / TabWidth);
    return text + QString(tabs, QLatin1Char('\t'));
}

void AddSection(QStringList& lines, const char* window, const TKeyLine* first, const TKeyLine* last)
{
    lines << QString()
          << Tabbed(QCoreApplication::translate("TShortcutListWindow", "Keys :")) +
                 QCoreApplication::translate("TShortcutListWindow", window)
          << QString(56, QLatin1Char('-'));
    for (const TKeyLine* line = first; line != last; ++line) {
        const QString action = QCoreApplication::translate("TShortcutListWindow", line->Action);
        if (*line->Key == '\0') {
            lines << QString() << "[ " + action + " ]";
        } else {
            lines << Tabbed(QString::fromUtf8(line->Key)) + action;
        }
    }
}

} // namespace

QString ShortcutListText()
{
    QStringList lines{"Cantrel  v3.1.5"};
    AddSection(lines, QT_TRANSLATE_NOOP("TShortcutListWindow", "( Main Window )"),
               std::begin(MainWindowKeys), std::end(MainWindowKeys));
    AddSection(lines, QT_TRANSLATE_NOOP("TShortcutListWindow", "( Settings Window )"),
               std::begin(SettingsWindowKeys), std::end(SettingsWindowKeys));
    AddSection(lines, QT_TRANSLATE_NOOP("TShortcutListWindow", "( Name To ID3 Window)"),
               std::begin(ExtractionWindowKeys), std::end(ExtractionWindowKeys));
    return lines.join(QLatin1Char('\n'));
}

TShortcutListWindow::TShortcutListWindow(QWidget* parent)
    : TInfoWindow(QStringLiteral("ShortcutListWindow"), tr("ShortCuts :"), QSize(460, 500), false,
                  parent)
{
    ShortcutBox = Named(new QPlainTextEdit(this), "ShortcutBox");
    ShortcutBox->setReadOnly(true);
    ShortcutBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    ShortcutBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ShortcutBox->setFont(FixedPitchFont(10));
    ShortcutBox->setStyleSheet(
        QStringLiteral("QPlainTextEdit { color: lime; background: black; }"));
    ShortcutBox->setTabStopDistance(
        TabWidth * QFontMetricsF(ShortcutBox->font()).horizontalAdvance(QLatin1Char(' ')));
    ShortcutBox->setPlainText(ShortcutListText());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ShortcutBox);
}
