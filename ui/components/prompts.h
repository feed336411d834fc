#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// Every message box, confirmation, folder or file picker and shell "open" goes through this
// interface, so tests can answer them without a modal window.
class TPrompts
{
public:
    virtual ~TPrompts() = default;

    // An OK / Cancel question with Cancel as the default; true for OK.
    virtual bool Confirm(QWidget* parent, const QString& caption, const QString& text) = 0;

    // A Yes / No question with No as the default; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;

    // A message with an OK button.
    virtual void Inform(QWidget* parent, const QString& caption, const QString& text) = 0;

    // A folder chosen by the user (folders only), or nothing when cancelled. `start` is the
    // preselected folder, `root` the top of the tree shown.
    virtual std::optional<QString> PickFolder(QWidget* parent, const QString& title,
                                              const QString& root, const QString& start) = 0;

    // Asks the desktop to open a file, a mailto: link or a web address; false when it refused.
    virtual bool OpenUrl(const QString& url) = 0;

    // An existing file chosen to be opened, or nothing when cancelled. `filters` are file-dialog
    // name filters ("Text Files (*.txt)"), the one at `selected` chosen first. Prompts that offer
    // no file picker answer as if cancelled.
    virtual std::optional<QString> PickFileToOpen(QWidget* /*parent*/,
                                                  const QStringList& /*filters*/, int /*selected*/)
    {
        return std::nullopt;
    }
};
