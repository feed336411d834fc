#include "ui/auxiliary/settings_form.h"

#include "engine/code_page.h"
#include "ui/auxiliary/button_highlight.h"
#include "ui/components/named.h"
#include "ui/components/prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor ButtonShadow(0x80, 0x80, 0x80);
const QColor Maroon(0x80, 0x00, 0x00);

struct TFieldBox
{
    const char* Name;
    const char* Caption;
    const char* DisabledCaption;
};

// Each box keeps the accelerator it starts with, the one the shortcut list gives (Alt+B, Alt+M,
// Alt+R), whether it is checked or not; "&Comment" would also take Alt+C from "&Cancel".
const TFieldBox FieldBoxTexts[FieldCount] = {
    {"Title_CB", "&Title", "&Title         [disabled]"},
    {"Artist_CB", "&Artist", "&Artist        [disabled]"},
    {"Album_CB", "Al&bum", "Al&bum         [disabled]"},
    {"Year_CB", "&Year", "&Year          [disabled]"},
    {"Comment_CB", "Co&mment", "Co&mment       [disabled]"},
    {"Genre_CB", "&Genre", "&Genre         [disabled]"},
    {"Track_CB", "Track N&r.", "Track N&r.     [disabled]"},
};

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::ButtonText, colour);
    widget->setPalette(colours);
}

QComboBox* BoundList(QWidget* parent, const char* name)
{
    auto* list = Named(new QComboBox(parent), name);
    for (const std::int32_t rate : T_SettingsForm::BitRates) {
        list->addItem(QString::number(rate));
    }
    return list;
}

void SelectBound(QComboBox* list, std::int32_t bound)
{
    list->setCurrentIndex(list->findText(QString::number(bound)));
}

// The number a list shows, or the bound as it was when the list shows none.
std::int32_t ShownBound(const QComboBox* list, std::int32_t unchanged)
{
    return list->currentIndex() < 0 ? unchanged : list->currentText().toInt();
}

} // namespace

T_SettingsForm::T_SettingsForm(const TWorkspace& work, TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("_SettingsForm"), QStringLiteral("Settings"), parent),
      Work(work), Prompts(prompts)
{
    BuildControls();
    ConnectControls();
}

void T_SettingsForm::BuildControls()
{
    OK_SB = Named(new QToolButton(this), "OK_SB");
    OK_SB->setText(QStringLiteral("&OK"));
    Cancel_SB = Named(new QToolButton(this), "Cancel_SB");
    Cancel_SB->setText(tr("&Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QToolButton* button : {OK_SB, Cancel_SB}) {
        button->setAutoRaise(true);
        button->setMinimumWidth(90);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFieldFrame());
    layout->addWidget(BuildGeneralFrame());
    layout->addWidget(BuildBitRateFrame());
    layout->addWidget(BuildCodePageFrame());
    layout->addLayout(buttons);
    Highlight = new TButtonHighlight({OK_SB, Cancel_SB},
                                     {RadioGroup1, GroupBox1, GroupBox2, GroupBox3, this}, this);
}

QWidget* T_SettingsForm::BuildFieldFrame()
{
    RadioGroup1 =
        Named(new QGroupBox(tr(" On multiple files select, disable : "), this), "RadioGroup1");
    auto* grid = new QGridLayout(RadioGroup1);
    for (int i = 0; i < FieldCount; ++i) {
        FieldBoxes[i] = Named(new QCheckBox(RadioGroup1), FieldBoxTexts[i].Name);
        FieldBoxes[i]->setText(QString::fromLatin1(FieldBoxTexts[i].Caption));
        grid->addWidget(FieldBoxes[i], i % 4, i / 4);
    }
    return RadioGroup1;
}

QWidget* T_SettingsForm::BuildGeneralFrame()
{
    GroupBox1 = Named(new QGroupBox(tr(" General : "), this), "GroupBox1");
    LimitTo64_CB = Named(new QCheckBox(GroupBox1), "LimitTo64_CB");
    LimitTo64_CB->setText(tr("Limit &FileName to 64 chars (for CD)"));
    LimitTo64_CB->setChecked(true);
    ClearRecent_SB = Named(new QToolButton(GroupBox1), "ClearRecent_SB");
    ClearRecent_SB->setText(tr("... Clear 'Recent &Paths' List ..."));
    ClearRecent_SB->setAutoRaise(true);
    auto* box = new QVBoxLayout(GroupBox1);
    box->addWidget(LimitTo64_CB);
    box->addWidget(ClearRecent_SB);
    return GroupBox1;
}

QWidget* T_SettingsForm::BuildBitRateFrame()
{
    GroupBox2 = Named(new QGroupBox(tr(" BitRate : "), this), "GroupBox2");
    WarningBitRate_CB = Named(new QCheckBox(GroupBox2), "WarningBitRate_CB");
    WarningBitRate_CB->setText(tr("&Warning if BitRate is :"));
    WarningBitRate_CB->setChecked(true);
    Below_Label = Named(new QLabel(tr("below"), GroupBox2), "Below_Label");
    LowerBitRate = BoundList(GroupBox2, "LowerBitRate");
    Higher_Label = Named(new QLabel(tr("or higher than"), GroupBox2), "Higher_Label");
    HigherBitRate = BoundList(GroupBox2, "HigherBitRate");
    KBits_Label = Named(new QLabel(tr("KBit/s"), GroupBox2), "KBits_Label");
    ExcludeFiles_CB = Named(new QCheckBox(GroupBox2), "ExcludeFiles_CB");
    ExcludeFiles_CB->setText(tr("... NOT a&dd these files when search"));

    auto* band = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{Below_Label, LowerBitRate, Higher_Label,
                                                            HigherBitRate, KBits_Label}) {
        band->addWidget(control);
    }
    band->addStretch();
    auto* box = new QVBoxLayout(GroupBox2);
    box->addWidget(WarningBitRate_CB);
    box->addLayout(band);
    box->addWidget(ExcludeFiles_CB);
    return GroupBox2;
}

QWidget* T_SettingsForm::BuildCodePageFrame()
{
    GroupBox3 = Named(new QGroupBox(tr(" ID3 Tags : "), this), "GroupBox3");
    CodePage_CB = Named(new QComboBox(GroupBox3), "CodePage_CB");
    for (const TTagCodePage& page : TagCodePages()) {
        CodePage_CB->addItem(QString::fromLatin1(page.Label), QString::fromLatin1(page.Name));
    }
    CodePage_Label = Named(new QLabel(tr("Code Pag&e :"), GroupBox3), "CodePage_Label");
    CodePage_Label->setBuddy(CodePage_CB);
    auto* box = new QHBoxLayout(GroupBox3);
    box->addWidget(CodePage_Label);
    box->addWidget(CodePage_CB, 1);
    return GroupBox3;
}

void T_SettingsForm::ConnectControls()
{
    for (int i = 0; i < FieldCount; ++i) {
        connect(FieldBoxes[i], &QCheckBox::toggled, this,
                [this, i](bool checked) { FieldBoxClick(i, checked); });
    }
    connect(LimitTo64_CB, &QCheckBox::toggled, this, &T_SettingsForm::LimitTo64_CBClick);
    connect(WarningBitRate_CB, &QCheckBox::toggled, this, &T_SettingsForm::WarningBitRate_CBClick);
    connect(ExcludeFiles_CB, &QCheckBox::toggled, this, &T_SettingsForm::ExcludeFiles_CBClick);
    connect(ClearRecent_SB, &QToolButton::clicked, this, &T_SettingsForm::ClearRecent_SBClick);
    connect(OK_SB, &QToolButton::clicked, this, &T_SettingsForm::OK_SBClick);
    connect(Cancel_SB, &QToolButton::clicked, this, &T_SettingsForm::Cancel_SBClick);
}

void T_SettingsForm::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void T_SettingsForm::FormShow()
{
    Highlight->Highlight(nullptr);
    for (int i = 0; i < FieldCount; ++i) {
        FieldBoxes[i]->setChecked(!Work.Fields.EnabledFields[i]);
    }
    const TMainOptions& options = Work.Options;
    LimitTo64_CB->setChecked(options.LimitTo64);
    WarningBitRate_CB->setChecked(options.WarningBitRate);
    ExcludeFiles_CB->setChecked(options.ExcludeIfWarning);
    SelectBound(LowerBitRate, options.LowBitRate);
    SelectBound(HigherBitRate, options.HighBitRate);
    ColourExcludeCaption();
    CodePage_CB->setCurrentIndex(
        CodePage_CB->findData(QString::fromLatin1(options.TagCodePage.Name)));
}

void T_SettingsForm::FieldBoxClick(int field, bool checked)
{
    const TFieldBox& texts = FieldBoxTexts[field];
    FieldBoxes[field]->setText(
        QString::fromLatin1(checked ? texts.DisabledCaption : texts.Caption));
    SetTextColour(FieldBoxes[field], checked ? ButtonShadow : QColor(Qt::black));
    // the title's flag waits for "&OK"
    if (field > 0) {
        emit EnabledFieldChanged(field, !checked);
    }
}

void T_SettingsForm::LimitTo64_CBClick(bool checked)
{
    emit LimitTo64Changed(checked);
    SetTextColour(LimitTo64_CB, checked ? QColor(Qt::black) : ButtonShadow);
}

void T_SettingsForm::WarningBitRate_CBClick(bool checked)
{
    emit WarningBitRateChanged(checked);
    for (QWidget* control :
         std::initializer_list<QWidget*>{LowerBitRate, HigherBitRate, ExcludeFiles_CB, Below_Label,
                                         Higher_Label, KBits_Label}) {
        control->setEnabled(checked);
    }
    for (QComboBox* list : {LowerBitRate, HigherBitRate}) {
        QPalette colours = list->palette();
        colours.setColor(QPalette::Button,
                         palette().color(checked ? QPalette::Base : QPalette::Button));
        list->setPalette(colours);
    }
}

void T_SettingsForm::ExcludeFiles_CBClick(bool checked)
{
    emit ExcludeIfWarningChanged(checked);
    ColourExcludeCaption();
}

void T_SettingsForm::ColourExcludeCaption()
{
    SetTextColour(ExcludeFiles_CB, ExcludeFiles_CB->isChecked() ? Maroon : ButtonShadow);
}

void T_SettingsForm::OK_SBClick()
{
    for (int i = 0; i < FieldCount; ++i) {
        emit EnabledFieldChanged(i, !FieldBoxes[i]->isChecked());
    }
    emit LimitTo64Changed(LimitTo64_CB->isChecked());
    emit WarningBitRateChanged(WarningBitRate_CB->isChecked());
    emit ExcludeIfWarningChanged(ExcludeFiles_CB->isChecked());
    // a bound that is not one of the offered values shows no selection and stays as it is
    emit BitRateBandChanged(ShownBound(LowerBitRate, Work.Options.LowBitRate),
                            ShownBound(HigherBitRate, Work.Options.HighBitRate));
    const QString codePage = CodePage_CB->currentData().toString();
    if (!(TagCodePageOrDefault(codePage.toStdString()) == Work.Options.TagCodePage)) {
        emit TagCodePageChosen(codePage);
    }
    close();
}

void T_SettingsForm::Cancel_SBClick()
{
    close();
}

void T_SettingsForm::ClearRecent_SBClick()
{
    if (Prompts.AskYesNo(this, tr("Are you shure ..."),
                         tr("... to CLEAR \"Recent Paths\" List ?"))) {
        emit ClearRecentPathsRequested();
    }
}
