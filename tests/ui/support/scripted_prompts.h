#pragma once

#include "ui/components/prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

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

    // The answers to the next questions, in order; an OK / Cancel and a Yes / No question take
    // their answer from the same queue.
    void AnswerConfirm(bool ok) { ConfirmAnswers.push_back(ok); }
    void AnswerFolder(const QString& folder) { FolderAnswers.push_back({true, folder}); }
    void CancelFolder() { FolderAnswers.push_back({false, QString()}); }
    void AnswerFile(const QString& file) { FileAnswers.push_back(file); }

    // What OpenUrl reports.
    bool OpenUrlResult = true;

    QList<TQuestion> Questions;
    QList<TQuestion> Messages;
    QList<TFolderRequest> FolderRequests;
    QStringList OpenedUrls;
    struct TFileRequest
    {
        QStringList Filters;
        int Selected;
    };
    QList<TFileRequest> FileRequests;

    bool Confirm(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    void Inform(QWidget* parent, const QString& caption, const QString& text) override;
    std::optional<QString> PickFolder(QWidget* parent, const QString& title, const QString& root,
                                      const QString& start) override;
    bool OpenUrl(const QString& url) override;
    std::optional<QString> PickFileToOpen(QWidget* parent, const QStringList& filters,
                                          int selected) override;

private:
    std::deque<bool> ConfirmAnswers;
    struct TFolderAnswer
    {
        bool Chosen;
        QString Folder;
    };
    std::deque<TFolderAnswer> FolderAnswers;
    std::deque<QString> FileAnswers;
};
