#include "ui/extract/replace_dialog.h"

#include "extract/value_rules.h"
#include "settings/registry.h"
#include "ui/auxiliary/button_highlight.h"
#include "ui/components/form_info.h"
#include "ui/components/prompts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

#include <tuple>

TReplaceDialog::TReplaceDialog(TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("ReplaceDialog"), tr("Replace In Name ..."), parent),
      Prompts(prompts)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    WhatLabel = new QLabel(tr("Replace"), this);
    WhatLabel->setObjectName(QStringLiteral("WhatLabel"));
    WhatBox = new QLineEdit(QStringLiteral("_"), this);
    WhatBox->setObjectName(QStringLiteral("WhatBox"));
    WithLabel = new QLabel(tr("with"), this);
    WithLabel->setObjectName(QStringLiteral("WithLabel"));
    WithBox = new QLineEdit(QStringLiteral(" "), this);
    WithBox->setObjectName(QStringLiteral("WithBox"));
    WhatLabel->setAccessibleName(tr("Replace"));
    WhatBox->setAccessibleName(tr("Text to replace"));
    WithLabel->setAccessibleName(tr("With"));
    WithBox->setAccessibleName(tr("Replacement text"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(WhatLabel, 0, 0);
    grid->addWidget(WhatBox, 0, 1);
    grid->addWidget(WithLabel, 1, 0);
    grid->addWidget(WithBox, 1, 1);
    auto* buttons = new QHBoxLayout;
    for (auto [button, name, caption] :
         {std::tuple{&AddButton, "AddButton", tr("&Add ...")},
          std::tuple{&DeleteButton, "DeleteButton", tr("&Delete")},
          std::tuple{&CancelButton, "CancelButton", tr("&Cancel")}}) {
        *button = new QToolButton(this);
        (*button)->setObjectName(QLatin1String(name));
        (*button)->setText(caption);
        (*button)->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        (*button)->setAutoRaise(true);
        (*button)->installEventFilter(this);
        buttons->addWidget(*button);
        Buttons.push_back(*button);
    }
    grid->addLayout(buttons, 2, 0, 1, 2);
    // a small dialog of a fixed size, as its contents need
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setMouseTracking(true);
    installEventFilter(this);
    connect(AddButton, &QToolButton::clicked, this, &TReplaceDialog::AddClicked);
    connect(DeleteButton, &QToolButton::clicked, this, &TReplaceDialog::DeleteClicked);
    connect(CancelButton, &QToolButton::clicked, this, &TReplaceDialog::CancelClicked);

    FormInfo = new TFormInfo(this);
    FormInfo->Company = RegCompany;
    FormInfo->AppName = RegAppName;
    FormInfo->FormName = ReplaceDialogSection;
    FormInfo->Loaded();
}

void TReplaceDialog::ShowDialog()
{
    const int selected = Pairs != nullptr ? Pairs->Selected : -1;
    const bool any = selected >= 0 && selected < static_cast<int>(Pairs->Pairs.size());
    WhatBox->setText(any ? QString::fromStdString(Pairs->Pairs[selected].What) : QString());
    WithBox->setText(any ? QString::fromStdString(Pairs->Pairs[selected].With) : QString());
    ShowWindow();
    WhatBox->setFocus();
}

int TReplaceDialog::FindWhat(const QString& what) const
{
    const QLocale locale = QLocale::system();
    const QString wanted = locale.toLower(what);
    for (std::size_t i = 0; i < Pairs->Pairs.size(); ++i) {
        if (locale.toLower(QString::fromStdString(Pairs->Pairs[i].What)) == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TReplaceDialog::AddClicked()
{
    const QString caption = windowTitle();
    if (WithBox->text().isEmpty()) {
        WithBox->setFocus();
        Prompts.Inform(this, caption, tr("Replace \"%1\" with what ?").arg(WhatBox->text()));
    }
    if (WhatBox->text().isEmpty()) {
        WhatBox->setFocus();
        Prompts.Inform(this, caption, tr("Replace what with \"%1\" ?").arg(WithBox->text()));
    }
    if (WhatBox->text().isEmpty() || WithBox->text().isEmpty() || Pairs == nullptr) {
        return;
    }
    if (FindWhat(WhatBox->text()) < 0) {
        Pairs->Pairs.push_back({WhatBox->text().toStdString(), WithBox->text().toStdString()});
        Pairs->Selected = static_cast<int>(Pairs->Pairs.size()) - 1;
        emit PairsChanged();
    }
    hide();
}

void TReplaceDialog::DeleteClicked()
{
    if (Pairs != nullptr) {
        const int index = FindWhat(WhatBox->text());
        if (index >= 0) {
            Pairs->Pairs.erase(Pairs->Pairs.begin() + index);
        }
        // the pair after the deleted one takes its place; past the end no pair is applied
        Pairs->Selected = index < static_cast<int>(Pairs->Pairs.size()) ? index : -1;
        emit PairsChanged();
    }
    hide();
}

void TReplaceDialog::CancelClicked()
{
    close();
}

void TReplaceDialog::closeEvent(QCloseEvent* event)
{
    THidingWindow::closeEvent(event);
    FormInfo->Save();
}

bool TReplaceDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || (watched == this && event->type() == QEvent::MouseMove)) {
        for (QToolButton* button : Buttons) {
            SetCaptionColour(button, button == watched ? Qt::red : Qt::black);
        }
    }
    return THidingWindow::eventFilter(watched, event);
}
