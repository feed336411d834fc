#pragma once

#include "ui/components/prompts.h"

// Answers every folder request with one folder and every confirmation with one answer, so a
// benchmark drives the windows without a modal box.
class TBenchPrompts : public TPrompts
{
public:
    QString Folder;
    bool ConfirmAnswer = false;

    bool Confirm(QWidget*, const QString&, const QString&) override { return ConfirmAnswer; }
    bool AskYesNo(QWidget*, const QString&, const QString&) override { return false; }
    void Inform(QWidget*, const QString&, const QString&) override {}
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&,
                                      const QString&) override
    {
        return Folder;
    }
    bool OpenUrl(const QString&) override { return true; }
};
