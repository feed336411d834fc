#include "ui/support/scripted_prompts.h"

bool TScriptedPrompts::Confirm(QWidget*, const QString& caption, const QString& text)
{
    Questions.append({caption, text});
    if (ConfirmAnswers.empty()) {
        return false;
    }
    const bool ok = ConfirmAnswers.front();
    ConfirmAnswers.pop_front();
    return ok;
}

bool TScriptedPrompts::AskYesNo(QWidget* parent, const QString& caption, const QString& text)
{
    return Confirm(parent, caption, text);
}

void TScriptedPrompts::Inform(QWidget*, const QString& caption, const QString& text)
{
    Messages.append({caption, text});
}

std::optional<QString> TScriptedPrompts::PickFolder(QWidget*, const QString& title,
                                                    const QString& root, const QString& start)
{
    FolderRequests.append({title, root, start});
    if (FolderAnswers.empty()) {
        return std::nullopt;
    }
    const TFolderAnswer answer = FolderAnswers.front();
    FolderAnswers.pop_front();
    if (!answer.Chosen) {
        return std::nullopt;
    }
    return answer.Folder;
}

bool TScriptedPrompts::OpenUrl(const QString& url)
{
    OpenedUrls.append(url);
    return OpenUrlResult;
}

std::optional<QString> TScriptedPrompts::PickFileToOpen(QWidget*, const QStringList& filters,
                                                        int selected)
{
    FileRequests.append({filters, selected});
    if (FileAnswers.empty()) {
        return std::nullopt;
    }
    const QString file = FileAnswers.front();
    FileAnswers.pop_front();
    return file;
}
