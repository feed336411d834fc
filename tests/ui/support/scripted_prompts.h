#pragma once

#include "ui/components/prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// Prompts for window tests: answers come from queues (Cancel and no folder or file when a queue
// is empty) and every question, message, folder or file request and opened address is recorded.
class TScriptedPrompts : public TPrompts
{
public:
    struct TQuestion
    {
        QString Caption;
        QString Text;
    };
    struct TFolderRequest
    {
        QString Title;
        QString Root;
        QString Start;
    };
    struct TFileRequest
    {
        QStringList Filters;
        int Selected;
    };

    // The answers to the next questions, in order; an OK / Cancel and a Yes / No question take
    // their answer from the same queue.
    void AnswerConfirm(bool ok) { ConfirmAnswers.push_back(ok); }
    void AnswerFolder(const QString& folder) { FolderAnswers.push_back(folder); }
    void CancelFolder() { FolderAnswers.push_back(std::nullopt); }
    void AnswerFile(const QString& file) { FileAnswers.push_back(file); }

    // What OpenUrl reports.
    bool OpenUrlResult = true;
    // Runs while the folder picker is open, as the user's keys in it would.
    std::function<void()> WhilePicking;

    QList<TQuestion> Questions;
    QList<TQuestion> Messages;
    QList<TFolderRequest> FolderRequests;
    QStringList OpenedUrls;
    QList<TFileRequest> FileRequests;

    bool Confirm(QWidget*, const QString& caption, const QString& text) override
    {
        Questions.append({caption, text});
        return Next(ConfirmAnswers).value_or(false);
    }
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override
    {
        return Confirm(parent, caption, text);
    }
    void Inform(QWidget*, const QString& caption, const QString& text) override
    {
        Messages.append({caption, text});
    }
    std::optional<QString> PickFolder(QWidget*, const QString& title, const QString& root,
                                      const QString& start) override
    {
        FolderRequests.append({title, root, start});
        if (WhilePicking) {
            WhilePicking();
        }
        return Next(FolderAnswers).value_or(std::nullopt);
    }
    bool OpenUrl(const QString& url) override
    {
        OpenedUrls.append(url);
        return OpenUrlResult;
    }
    std::optional<QString> PickFileToOpen(QWidget*, const QStringList& filters,
                                          int selected) override
    {
        FileRequests.append({filters, selected});
        return Next(FileAnswers);
    }

private:
    template <typename T> static std::optional<T> Next(std::deque<T>& queue)
    {
        std::optional<T> answer;
        if (!queue.empty()) {
            answer.emplace(std::move(queue.front()));
            queue.pop_front();
        }
        return answer;
    }

    std::deque<bool> ConfirmAnswers;
    std::deque<std::optional<QString>> FolderAnswers; // nullopt: the picker is cancelled
    std::deque<QString> FileAnswers;
};
