#include "ui/auxiliary/error_window.h"

#include "engine/path_parts.h"
#include "settings/registry.h"
#include "ui/components/display_path.h"
#include "ui/components/form_info.h"
#include "ui/components/named.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int ButtonBarHeight = 32;
constexpr int ButtonHeight = 26;

// A button's caption turns red under the mouse while the others stay black.
constexpr const char* FlatButtonStyle = "QPushButton { color: black; }"
                                        "QPushButton:hover { color: red; }";

// The caption of an empty log, as the batch report words it.
constexpr const char* EmptyCaption = QT_TRANSLATE_NOOP("TErrorWindow", "Errors Found ...");
static_assert(std::string_view(EmptyCaption) == std::string_view(EmptyErrorLogCaption));

// The captions the batch report words in English, with the count as %1, for the translation.
struct TCountedCaption
{
    std::string (*English)(int count);
    const char* Text;
};

const TCountedCaption CountedCaptions[] = {
    {BatchErrorsCaption,
     QT_TRANSLATE_NOOP("TErrorWindow", "Errors Found (files not processed correctly) :  %1")},
    {BitRateWarningCaption,
     QT_TRANSLATE_NOOP("TErrorWindow", "Errors Found (BitRate Warning) :  %1")},
    {BitRateFolderDoneCaption,
     QT_TRANSLATE_NOOP("TErrorWindow", "Errors Found (BitRate Warning) : %1")},
};

// The report's caption for `count` in the user's language; a caption the table does not word
// as the report does is shown as the report has it.
QString CountedCaption(std::string (*english)(int), int count)
{
    const std::string text = english(count);
    for (const TCountedCaption& caption : CountedCaptions) {
        if (caption.English == english &&
            QString::fromLatin1(caption.Text).arg(count).toStdString() == text) {
            return TErrorWindow::tr(caption.Text).arg(count);
        }
    }
    return QString::fromStdString(text);
}

} // namespace

TErrorWindow::TErrorWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ErrorWindow"));
    setWindowTitle(tr(EmptyCaption));
    resize(560, 380);
    setMinimumSize(240, 140);
    CreateControls();
    ConnectControls();

    FormInfo = new TFormInfo(this);
    FormInfo->Company = RegCompany;
    FormInfo->AppName = RegAppName;
    FormInfo->FormName = ErrorWindowSection;
    FormInfo->Loaded();
}

void TErrorWindow::CreateControls()
{
    ErrorLogBox = Named(new QPlainTextEdit(this), "ErrorLogBox");
    ErrorLogBox->setReadOnly(true);
    ErrorLogBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    ErrorLogBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ErrorLogBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    ClearButton = Named(new QPushButton(tr("Clea&r"), this), "ClearButton");
    CloseButton = Named(new QPushButton(tr("&Close"), this), "CloseButton");
    for (QPushButton* button : {ClearButton, CloseButton}) {
        button->setFlat(true);
        button->setStyleSheet(FlatButtonStyle);
        button->setCursor(Qt::PointingHandCursor);
    }
}

void TErrorWindow::ConnectControls()
{
    connect(ClearButton, &QPushButton::clicked, this, &TErrorWindow::ClearClicked);
    connect(CloseButton, &QPushButton::clicked, this, &TErrorWindow::CloseClicked);
}

void TErrorWindow::ArrangeButtons()
{
    const int barTop = height() - ButtonBarHeight;
    ErrorLogBox->setGeometry(0, 0, width(), barTop);
    // each button takes a third of the bar less 4 pixels, 2 pixels in from its edge
    const int buttonWidth = width() / 3 - 4;
    const int buttonTop = barTop + (ButtonBarHeight - ButtonHeight) / 2;
    ClearButton->setGeometry(2, buttonTop, buttonWidth, ButtonHeight);
    CloseButton->setGeometry(width() - 2 - buttonWidth, buttonTop, buttonWidth, ButtonHeight);
}

void TErrorWindow::ShowNewLines(std::size_t first)
{
    // the view mirrors the log line by line; an empty line stays a line of its own, also as
    // the first one
    const std::vector<std::string>& lines = Log.Lines();
    QTextCursor cursor(ErrorLogBox->document());
    cursor.movePosition(QTextCursor::End);
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (i > 0) {
            cursor.insertBlock();
        }
        cursor.insertText(DisplayPath(lines[i])); // lines are bytes, as the paths in them
    }
    QScrollBar* scrollBar = ErrorLogBox->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
}

void TErrorWindow::EmptyLog()
{
    Log.Clear();
    ErrorLogBox->clear();
    setWindowTitle(tr(EmptyCaption));
}

void TErrorWindow::AddEntry(const QString& folder, const QStringList& lines)
{
    std::vector<std::string> entry;
    for (const QString& line : lines) {
        entry.push_back(line.toStdString());
    }
    const std::size_t first = Log.Lines().size();
    Log.AddEntry(folder.toStdString(), entry);
    ShowNewLines(first);
    setWindowTitle(CountedCaption(BatchErrorsCaption, Log.Count()));
}

void TErrorWindow::ShowFailures(const TFileFailures& failures)
{
    EmptyLog();
    if (failures.empty()) {
        return;
    }
    Log.AddFailures(failures);
    ShowNewLines(0);
    setWindowTitle(CountedCaption(BatchErrorsCaption, Log.Count()));
    Show();
}

void TErrorWindow::AddBitRateWarning(const std::string& path, int bitRate, int count)
{
    const std::size_t first = Log.Lines().size();
    Log.AddBitRateWarning(WithTrailingSlash(FolderPart(path)), NamePart(path), bitRate);
    ShowNewLines(first);
    setWindowTitle(CountedCaption(BitRateWarningCaption, count));
}

void TErrorWindow::ShowBitRateWarnings(int count)
{
    setWindowTitle(CountedCaption(BitRateFolderDoneCaption, count));
    Show();
}

void TErrorWindow::AddLine(const QString& line)
{
    const std::size_t first = Log.Lines().size();
    Log.AddLine(line.toStdString());
    ShowNewLines(first);
}

void TErrorWindow::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

int TErrorWindow::Count() const
{
    return Log.Count();
}

QStringList TErrorWindow::Lines() const
{
    QStringList lines;
    for (const std::string& line : Log.Lines()) {
        lines.append(DisplayPath(line));
    }
    return lines;
}

void TErrorWindow::Show()
{
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}

void TErrorWindow::Clear()
{
    EmptyLog();
    emit Cleared();
}

void TErrorWindow::ClearClicked()
{
    Clear();
}

void TErrorWindow::CloseClicked()
{
    close();
}

void TErrorWindow::closeEvent(QCloseEvent* event)
{
    // the window lives as long as the program: closing hides it and keeps the log
    FormInfo->Save();
    hide();
    event->ignore();
}

void TErrorWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeButtons();
}
