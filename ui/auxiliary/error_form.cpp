#include "ui/auxiliary/error_form.h"

#include "engine/path_parts.h"
#include "settings/registry.h"
#include "ui/components/display_path.h"
#include "ui/components/form_info.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

#include <string>
#include <vector>

namespace {

constexpr int ButtonBarHeight = 32;
constexpr int ButtonHeight = 26;

// A button's caption turns red under the mouse while the others stay black.
constexpr const char* FlatButtonStyle = "QPushButton { color: black; }"
                                        "QPushButton:hover { color: red; }";

} // namespace

T_ErrorForm::T_ErrorForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("_ErrorForm");
    setWindowTitle(EmptyErrorLogCaption);
    resize(560, 380);
    setMinimumSize(240, 140);
    CreateControls();
    ConnectControls();

    FormInfo = new TFormInfo(this);
    FormInfo->Company = RegCompany;
    FormInfo->AppName = RegAppName;
    FormInfo->FormName = "ErrorForm";
    FormInfo->Loaded();
}

void T_ErrorForm::CreateControls()
{
    Error_RichEdit = new QPlainTextEdit(this);
    Error_RichEdit->setObjectName("Error_RichEdit");
    Error_RichEdit->setReadOnly(true);
    Error_RichEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    Error_RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Error_RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Clear_SB = new QPushButton(tr("Clea&r"), this);
    Clear_SB->setObjectName("Clear_SB");
    Close_SB = new QPushButton(tr("&Close"), this);
    Close_SB->setObjectName("Close_SB");
    for (QPushButton* button : {Clear_SB, Close_SB}) {
        button->setFlat(true);
        button->setStyleSheet(FlatButtonStyle);
        button->setCursor(Qt::PointingHandCursor);
    }
}

void T_ErrorForm::ConnectControls()
{
    connect(Clear_SB, &QPushButton::clicked, this, &T_ErrorForm::Clear_SBClick);
    connect(Close_SB, &QPushButton::clicked, this, &T_ErrorForm::Close_SBClick);
}

void T_ErrorForm::ArrangeButtons()
{
    const int barTop = height() - ButtonBarHeight;
    Error_RichEdit->setGeometry(0, 0, width(), barTop);
    // each button takes a third of the bar less 4 pixels, 2 pixels in from its edge
    const int buttonWidth = width() / 3 - 4;
    const int buttonTop = barTop + (ButtonBarHeight - ButtonHeight) / 2;
    Clear_SB->setGeometry(2, buttonTop, buttonWidth, ButtonHeight);
    Close_SB->setGeometry(width() - 2 - buttonWidth, buttonTop, buttonWidth, ButtonHeight);
}

void T_ErrorForm::ShowNewLines(std::size_t first)
{
    // the view mirrors the log line by line; an empty line stays a line of its own, also as
    // the first one
    const std::vector<std::string>& lines = Log.Lines();
    QTextCursor cursor(Error_RichEdit->document());
    cursor.movePosition(QTextCursor::End);
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (i > 0) {
            cursor.insertBlock();
        }
        cursor.insertText(DisplayPath(lines[i])); // lines are bytes, as the paths in them
    }
    QScrollBar* scrollBar = Error_RichEdit->verticalScrollBar();
    scrollBar->setValue(scrollBar->maximum());
}

void T_ErrorForm::EmptyLog()
{
    Log.Clear();
    Error_RichEdit->clear();
    setWindowTitle(EmptyErrorLogCaption);
}

void T_ErrorForm::AddEntry(const QString& folder, const QStringList& lines)
{
    std::vector<std::string> entry;
    for (const QString& line : lines) {
        entry.push_back(line.toStdString());
    }
    const std::size_t first = Log.Lines().size();
    Log.AddEntry(folder.toStdString(), entry);
    ShowNewLines(first);
    setWindowTitle(QString::fromStdString(BatchErrorsCaption(Log.Count())));
}

void T_ErrorForm::ShowFailures(const TFileFailures& failures)
{
    EmptyLog();
    if (failures.empty()) {
        return;
    }
    Log.AddFailures(failures);
    ShowNewLines(0);
    setWindowTitle(QString::fromStdString(BatchErrorsCaption(Log.Count())));
    Show();
}

void T_ErrorForm::AddBitRateWarning(const std::string& path, int bitRate, int count)
{
    const std::size_t first = Log.Lines().size();
    Log.AddBitRateWarning(WithTrailingSlash(FolderPart(path)), NamePart(path), bitRate);
    ShowNewLines(first);
    setWindowTitle(QString::fromStdString(BitRateWarningCaption(count)));
}

void T_ErrorForm::ShowBitRateWarnings(int count)
{
    setWindowTitle(QString::fromStdString(BitRateFolderDoneCaption(count)));
    Show();
}

void T_ErrorForm::AddLine(const QString& line)
{
    const std::size_t first = Log.Lines().size();
    Log.AddLine(line.toStdString());
    ShowNewLines(first);
}

void T_ErrorForm::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

int T_ErrorForm::Count() const
{
    return Log.Count();
}

QStringList T_ErrorForm::Lines() const
{
    QStringList lines;
    for (const std::string& line : Log.Lines()) {
        lines.append(DisplayPath(line));
    }
    return lines;
}

void T_ErrorForm::Show()
{
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}

void T_ErrorForm::Clear()
{
    EmptyLog();
    emit Cleared();
}

void T_ErrorForm::Clear_SBClick()
{
    Clear();
}

void T_ErrorForm::Close_SBClick()
{
    close();
}

void T_ErrorForm::closeEvent(QCloseEvent* event)
{
    // the window lives as long as the program: closing hides it and keeps the log
    FormInfo->Save();
    hide();
    event->ignore();
}

void T_ErrorForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeButtons();
}
