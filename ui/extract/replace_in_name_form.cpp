#include "ui/extract/replace_in_name_form.h"

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

TReplaceInName_Form::TReplaceInName_Form(TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("ReplaceInName_Form"), QStringLiteral("Replace In Name ..."),
                    parent),
      Prompts(prompts)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    What_Label = new QLabel(QStringLiteral("Replace"), this);
    What_Label->setObjectName(QStringLiteral("What_Label"));
    What_Edit = new QLineEdit(QStringLiteral("_"), this);
    What_Edit->setObjectName(QStringLiteral("What_Edit"));
    With_Label = new QLabel(QStringLiteral("with"), this);
    With_Label->setObjectName(QStringLiteral("With_Label"));
    With_Edit = new QLineEdit(QStringLiteral(" "), this);
    With_Edit->setObjectName(QStringLiteral("With_Edit"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(What_Label, 0, 0);
    grid->addWidget(What_Edit, 0, 1);
    grid->addWidget(With_Label, 1, 0);
    grid->addWidget(With_Edit, 1, 1);
    auto* buttons = new QHBoxLayout;
    for (auto [button, name, caption] :
         {std::tuple{&Add_SB, "Add_SB", "&Add ..."}, std::tuple{&Delete_SB, "Delete_SB", "&Delete"},
          std::tuple{&Cancel_SB, "Cancel_SB", "&Cancel"}}) {
        *button = new QToolButton(this);
        (*button)->setObjectName(QLatin1String(name));
        (*button)->setText(QLatin1String(caption));
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
    connect(Add_SB, &QToolButton::clicked, this, &TReplaceInName_Form::Add_SBClick);
    connect(Delete_SB, &QToolButton::clicked, this, &TReplaceInName_Form::Delete_SBClick);
    connect(Cancel_SB, &QToolButton::clicked, this, &TReplaceInName_Form::Cancel_SBClick);

    FormInfo = new TFormInfo(this);
    FormInfo->Company = RegCompany;
    FormInfo->AppName = RegAppName;
    FormInfo->FormName = QStringLiteral("ReplaceInName_Form");
    FormInfo->Loaded();
}

void TReplaceInName_Form::ShowDialog()
{
    const int selected = Pairs != nullptr ? Pairs->Selected : -1;
    const bool any = selected >= 0 && selected < static_cast<int>(Pairs->Pairs.size());
    What_Edit->setText(any ? QString::fromStdString(Pairs->Pairs[selected].What) : QString());
    With_Edit->setText(any ? QString::fromStdString(Pairs->Pairs[selected].With) : QString());
    ShowWindow();
    What_Edit->setFocus();
}

int TReplaceInName_Form::FindWhat(const QString& what) const
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

void TReplaceInName_Form::Add_SBClick()
{
    const QString caption = windowTitle();
    if (With_Edit->text().isEmpty()) {
        With_Edit->setFocus();
        Prompts.Inform(this, caption,
                       QStringLiteral("Replace \"%1\" with what ?").arg(What_Edit->text()));
    }
    if (What_Edit->text().isEmpty()) {
        What_Edit->setFocus();
        Prompts.Inform(this, caption,
                       QStringLiteral("Replace what with \"%1\" ?").arg(With_Edit->text()));
    }
    if (What_Edit->text().isEmpty() || With_Edit->text().isEmpty() || Pairs == nullptr) {
        return;
    }
    if (FindWhat(What_Edit->text()) < 0) {
        Pairs->Pairs.push_back({What_Edit->text().toStdString(), With_Edit->text().toStdString()});
        Pairs->Selected = static_cast<int>(Pairs->Pairs.size()) - 1;
        emit PairsChanged();
    }
    hide();
}

void TReplaceInName_Form::Delete_SBClick()
{
    if (Pairs != nullptr) {
        const int index = FindWhat(What_Edit->text());
        if (index >= 0) {
            Pairs->Pairs.erase(Pairs->Pairs.begin() + index);
        }
        // the pair after the deleted one takes its place; past the end no pair is applied
        Pairs->Selected = index < static_cast<int>(Pairs->Pairs.size()) ? index : -1;
        emit PairsChanged();
    }
    hide();
}

void TReplaceInName_Form::Cancel_SBClick()
{
    close();
}

void TReplaceInName_Form::closeEvent(QCloseEvent* event)
{
    THidingWindow::closeEvent(event);
    FormInfo->Save();
}

bool TReplaceInName_Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || (watched == this && event->type() == QEvent::MouseMove)) {
        for (QToolButton* button : Buttons) {
            SetCaptionColour(button, button == watched ? Qt::red : Qt::black);
        }
    }
    return THidingWindow::eventFilter(watched, event);
}
