#include "ui/auxiliary/keys_form.h"

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
    {"", "buttons"},
    {"Alt + L", "Clear Tags"},
    {"Alt + W", "Write ID3 Tags"},
    {"Alt + S", "Set File Name"},
    {"Alt + N", "Name To ID3"},
    {"Alt + H", "HTML"},
    {"Ctrl + O", "Open"},
    {"Ctrl + S", "Settings"},
    {"Ctrl + E", "Show Errors"},
    {"Ctrl + H", "Help"},
    {"Ctrl + U", "About"},
    {"Ctrl + M", "Mail to ..."},
    {"Ctrl + P", "Home Page ..."},
    {"", "tag`s"},
    {"Alt + T", "Title"},
    {"Alt + A", "Artist"},
    {"Alt + B", "Album"},
    {"Alt + Y", "Year"},
    {"Alt + C", "Comment"},
    {"Alt + G", "Genre"},
    {"Alt + R", "Track Nr"},
    {"Ctrl + T", "Enable/Disable Title"},
    {"Ctrl + A", "Enable/Disable Artist"},
    {"Ctrl + B", "Enable/Disable Album"},
    {"Ctrl + Y", "Enable/Disable Year"},
    {"Ctrl + C", "Enable/Disable Comment"},
    {"Ctrl + G", "Enable/Disable Genre"},
    {"Ctrl + R", "Enable/Disable Track"},
    {"", "others"},
    {"Alt + P", "Apply to Whole Path"},
    {"Alt + M", "Macro"},
    {"Alt + E", "Text Macro"},
    {"Alt + I", "Show/Hide Hint"},
    {"Alt + Shift + >", "Show Comment Pannel (Left)"},
    {"Alt + Shift + <", "Hide Comment Pannel (Left)"},
    {"Alt + F", "FileListBox2"},
    {"Alt + U", "Normal Scan / Recursive Scan"},
};

const TKeyLine SettingsWindowKeys[] = {
    {"Alt + T", "Title"},
    {"Alt + A", "Artist"},
    {"Alt + B", "Album"},
    {"Alt + Y", "Year"},
    {"Alt + M", "Comment"},
    {"Alt + G", "Genre"},
    {"Alt + R", "Track Nr"},
    {"Alt + F", "Limit FileName ..."},
    {"Alt + P", "Clear \"Recent Paths\" List"},
    {"Alt + W", "Warning BitRate ..."},
    {"Alt + D", "... NOT add files ..."},
    {"Alt + O", "OK"},
    {"Alt + C", "Cancel"},
};

const TKeyLine ExtractionWindowKeys[] = {
    {"Ctrl + 1 to Ctrl + 6", "Select Separator 1 to 6"},
    {"Shift + 1 to Shift + 6", "Select Tag List 1 to 6"},
    {"Alt + Shift + <", "'<<'"},
    {"Alt + Shift + >", "'>>'"},
    {"Alt + O", "Ok"},
    {"Alt + C", "Cancel"},
    {"Alt + D", "Delete Item"},
    {"Alt + L", "Clear List"},
    {"Alt + A", "Add New"},
    {"Alt + .", "Add Items for \"Replace\" Function ..."},
    {"Alt + W", "Lower Case"},
    {"Alt + U", "Upper Case"},
    {"Alt + F", "Capitalize First"},
    {"Alt + N", "None"},
    {"Alt + G", "Extracted TAG`s"},
    {"Alt + S", "All TAG`s"},
    {"Alt + E", "Show Errors"},
    {"Alt + T", "Preserve other TAG"},
    {"Alt + R", "AutoTrim Spaces from TAG`s"},
    {"Alt + P", "Show/Hide Path"},
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
    lines << QString() << Tabbed("Keys :") + QString::fromUtf8(window)
          << QString(56, QLatin1Char('-'));
    for (const TKeyLine* line = first; line != last; ++line) {
        const QString action = QString::fromUtf8(line->Action);
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
    AddSection(lines, "( Main Window )", std::begin(MainWindowKeys), std::end(MainWindowKeys));
    AddSection(lines, "( Settings Window )", std::begin(SettingsWindowKeys),
               std::end(SettingsWindowKeys));
    AddSection(lines, "( Name To ID3 Window)", std::begin(ExtractionWindowKeys),
               std::end(ExtractionWindowKeys));
    return lines.join(QLatin1Char('\n'));
}

T_KeysForm::T_KeysForm(QWidget* parent)
    : TInfoWindow(QStringLiteral("_KeysForm"), QStringLiteral("ShortCuts :"), QSize(460, 500),
                  false, parent)
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(FixedPitchFont(10));
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { color: lime; background: black; }"));
    Memo1->setTabStopDistance(TabWidth *
                              QFontMetricsF(Memo1->font()).horizontalAdvance(QLatin1Char(' ')));
    Memo1->setPlainText(ShortcutListText());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
}
