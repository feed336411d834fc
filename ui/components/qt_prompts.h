#pragma once

#include "ui/components/prompts.h"

// The prompts of a running program: message boxes, the folder and file dialogs and the desktop's
// "open".
class TQtPrompts : public TPrompts
{
public:
    bool Confirm(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    void Inform(QWidget* parent, const QString& caption, const QString& text) override;
    std::optional<QString> PickFolder(QWidget* parent, const QString& title, const QString& root,
                                      const QString& start) override;
    bool OpenUrl(const QString& url) override;
    std::optional<QString> PickFileToOpen(QWidget* parent, const QStringList& filters,
                                          int selected) override;
};
