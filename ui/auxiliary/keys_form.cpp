#include "ui/auxiliary/keys_form.h"

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
    {"", QT_TRANSLATE_NOOP("T_KeysForm", "buttons")},
    {"Alt + L", QT_TRANSLATE_NOOP("T_KeysForm", "Clear Tags")},
    {"Alt + W", QT_TRANSLATE_NOOP("T_KeysForm", "Write ID3 Tags")},
    {"Alt + S", QT_TRANSLATE_NOOP("T_KeysForm", "Set File Name")},
    {"Alt + N", QT_TRANSLATE_NOOP("T_KeysForm", "Name To ID3")},
    {"Alt + H", QT_TRANSLATE_NOOP("T_KeysForm", "HTML")},
    {"Ctrl + O", QT_TRANSLATE_NOOP("T_KeysForm", "Open")},
    {"Ctrl + S", QT_TRANSLATE_NOOP("T_KeysForm", "Settings")},
    {"Ctrl + E", QT_TRANSLATE_NOOP("T_KeysForm", "Show Errors")},
    {"Ctrl + H", QT_TRANSLATE_NOOP("T_KeysForm", "Help")},
    {"Ctrl + U", QT_TRANSLATE_NOOP("T_KeysForm", "About")},
    {"Ctrl + M", QT_TRANSLATE_NOOP("T_KeysForm", "Mail to ...")},
    {"Ctrl + P", QT_TRANSLATE_NOOP("T_KeysForm", "Home Page ...")},
    {"", QT_TRANSLATE_NOOP("T_KeysForm", "tag`s")},
    {"Alt + T", QT_TRANSLATE_NOOP("T_KeysForm", "Title")},
    {"Alt + A", QT_TRANSLATE_NOOP("T_KeysForm", "Artist")},
    {"Alt + B", QT_TRANSLATE_NOOP("T_KeysForm", "Album")},
    {"Alt + Y", QT_TRANSLATE_NOOP("T_KeysForm", "Year")},
    {"Alt + C", QT_TRANSLATE_NOOP("T_KeysForm", "Comment")},
    {"Alt + G", QT_TRANSLATE_NOOP("T_KeysForm", "Genre")},
    {"Alt + R", QT_TRANSLATE_NOOP("T_KeysForm", "Track Nr")},
    {"Ctrl + T", QT_TRANSLATE_NOOP("T_KeysForm", "Enable/Disable Title")},
    {"Ctrl + A", QT_TRANSLATE_NOOP("T_KeysForm", "Enable/Disable Artist")},
    {"Ctrl + B", QT_TRANSLATE_NOOP("T_KeysForm", "Enable/Disable Album")},
    {"Ctrl + Y", QT_TRANSLATE_NOOP("T_KeysForm", "Enable/Disable Year")},
    {"Ctrl + C", QT_TRANSLATE_NOOP("T_KeysForm", "Enable/Disable Comment")},
    {"Ctrl + G", QT_TRANSLATE_NOOP("T_KeysForm", "Enable/Disable Genre")},
    {"Ctrl + R", QT_TRANSLATE_NOOP("T_KeysForm", "Enable/Disable Track")},
    {"", QT_TRANSLATE_NOOP("T_KeysForm", "others")},
    {"Alt + P", QT_TRANSLATE_NOOP("T_KeysForm", "Apply to Whole Path")},
    {"Alt + M", QT_TRANSLATE_NOOP("T_KeysForm", "Macro")},
    {"Alt + E", QT_TRANSLATE_NOOP("T_KeysForm", "Text Macro")},
    {"Alt + I", QT_TRANSLATE_NOOP("T_KeysForm", "Show/Hide Hint")},
    {"Alt + Shift + >", QT_TRANSLATE_NOOP("T_KeysForm", "Show Comment Pannel (Left)")},
    {"Alt + Shift + <", QT_TRANSLATE_NOOP("T_KeysForm", "Hide Comment Pannel (Left)")},
    {"Alt + F", QT_TRANSLATE_NOOP("T_KeysForm", "FileListBox2")},
    {"Alt + U", QT_TRANSLATE_NOOP("T_KeysForm", "Normal Scan / Recursive Scan")},
};

const TKeyLine SettingsWindowKeys[] = {
    {"Alt + T", QT_TRANSLATE_NOOP("T_KeysForm", "Title")},
    {"Alt + A", QT_TRANSLATE_NOOP("T_KeysForm", "Artist")},
    {"Alt + B", QT_TRANSLATE_NOOP("T_KeysForm", "Album")},
    {"Alt + Y", QT_TRANSLATE_NOOP("T_KeysForm", "Year")},
    {"Alt + M", QT_TRANSLATE_NOOP("T_KeysForm", "Comment")},
    {"Alt + G", QT_TRANSLATE_NOOP("T_KeysForm", "Genre")},
    {"Alt + R", QT_TRANSLATE_NOOP("T_KeysForm", "Track Nr")},
    {"Alt + F", QT_TRANSLATE_NOOP("T_KeysForm", "Limit FileName ...")},
    {"Alt + P", QT_TRANSLATE_NOOP("T_KeysForm", "Clear \"Recent Paths\" List")},
    {"Alt + W", QT_TRANSLATE_NOOP("T_KeysForm", "Warning BitRate ...")},
    {"Alt + D", QT_TRANSLATE_NOOP("T_KeysForm", "... NOT add files ...")},
    {"Alt + O", QT_TRANSLATE_NOOP("T_KeysForm", "OK")},
    {"Alt + C", QT_TRANSLATE_NOOP("T_KeysForm", "Cancel")},
};

const TKeyLine ExtractionWindowKeys[] = {
    {"Ctrl + 1 to Ctrl + 6", QT_TRANSLATE_NOOP("T_KeysForm", "Select Separator 1 to 6")},
    {"Shift + 1 to Shift + 6", QT_TRANSLATE_NOOP("T_KeysForm", "Select Tag List 1 to 6")},
    {"Alt + Shift + <", QT_TRANSLATE_NOOP("T_KeysForm", "'<<'")},
    {"Alt + Shift + >", QT_TRANSLATE_NOOP("T_KeysForm", "'>>'")},
    {"Alt + O", QT_TRANSLATE_NOOP("T_KeysForm", "Ok")},
    {"Alt + C", QT_TRANSLATE_NOOP("T_KeysForm", "Cancel")},
    {"Alt + D", QT_TRANSLATE_NOOP("T_KeysForm", "Delete Item")},
    {"Alt + L", QT_TRANSLATE_NOOP("T_KeysForm", "Clear List")},
    {"Alt + A", QT_TRANSLATE_NOOP("T_KeysForm", "Add New")},
    {"Alt + .", QT_TRANSLATE_NOOP("T_KeysForm", "Add Items for \"Replace\" Function ...")},
    {"Alt + W", QT_TRANSLATE_NOOP("T_KeysForm", "Lower Case")},
    {"Alt + U", QT_TRANSLATE_NOOP("T_KeysForm", "Upper Case")},
    {"Alt + F", QT_TRANSLATE_NOOP("T_KeysForm", "Capitalize First")},
    {"Alt + N", QT_TRANSLATE_NOOP("T_KeysForm", "None")},
    {"Alt + G", QT_TRANSLATE_NOOP("T_KeysForm", "Extracted TAG`s")},
    {"Alt + S", QT_TRANSLATE_NOOP("T_KeysForm", "All TAG`s")},
    {"Alt + E", QT_TRANSLATE_NOOP("T_KeysForm", "Show Errors")},
    {"Alt + T", QT_TRANSLATE_NOOP("T_KeysForm", "Preserve other TAG")},
    {"Alt + R", QT_TRANSLATE_NOOP("T_KeysForm", "AutoTrim Spaces from TAG`s")},
    {"Alt + P", QT_TRANSLATE_NOOP("T_KeysForm", "Show/Hide Path")},
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
          << Tabbed(QCoreApplication::translate("T_KeysForm", "Keys :")) +
                 QCoreApplication::translate("T_KeysForm", window)
          << QString(56, QLatin1Char('-'));
    for (const TKeyLine* line = first; line != last; ++line) {
        const QString action = QCoreApplication::translate("T_KeysForm", line->Action);
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
    AddSection(lines, QT_TRANSLATE_NOOP("T_KeysForm", "( Main Window )"),
               std::begin(MainWindowKeys), std::end(MainWindowKeys));
    AddSection(lines, QT_TRANSLATE_NOOP("T_KeysForm", "( Settings Window )"),
               std::begin(SettingsWindowKeys), std::end(SettingsWindowKeys));
    AddSection(lines, QT_TRANSLATE_NOOP("T_KeysForm", "( Name To ID3 Window)"),
               std::begin(ExtractionWindowKeys), std::end(ExtractionWindowKeys));
    return lines.join(QLatin1Char('\n'));
}

T_KeysForm::T_KeysForm(QWidget* parent)
    : TInfoWindow(QStringLiteral("_KeysForm"), tr("ShortCuts :"), QSize(460, 500), false, parent)
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
