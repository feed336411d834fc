#include "ui/auxiliary/settings_window.h"

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
    {"TitleBox", QT_TRANSLATE_NOOP("TSettingsWindow", "&Title"),
     QT_TRANSLATE_NOOP("TSettingsWindow", "&Title         [disabled]")},
    {"ArtistBox", QT_TRANSLATE_NOOP("TSettingsWindow", "&Artist"),
     QT_TRANSLATE_NOOP("TSettingsWindow", "&Artist        [disabled]")},
    {"AlbumBox", QT_TRANSLATE_NOOP("TSettingsWindow", "Al&bum"),
     QT_TRANSLATE_NOOP("TSettingsWindow", "Al&bum         [disabled]")},
    {"YearBox", QT_TRANSLATE_NOOP("TSettingsWindow", "&Year"),
     QT_TRANSLATE_NOOP("TSettingsWindow", "&Year          [disabled]")},
    {"CommentBox", QT_TRANSLATE_NOOP("TSettingsWindow", "Co&mment"),
     QT_TRANSLATE_NOOP("TSettingsWindow", "Co&mment       [disabled]")},
    {"GenreBox", QT_TRANSLATE_NOOP("TSettingsWindow", "&Genre"),
     QT_TRANSLATE_NOOP("TSettingsWindow", "&Genre         [disabled]")},
    {"TrackBox", QT_TRANSLATE_NOOP("TSettingsWindow", "Track N&r."),
     QT_TRANSLATE_NOOP("TSettingsWindow", "Track N&r.     [disabled]")},
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
    for (const std::int32_t rate : TSettingsWindow::BitRates) {
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

TSettingsWindow::TSettingsWindow(const TWorkspace& work, TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("SettingsWindow"), QStringLiteral("Settings"), parent),
      Work(work), Prompts(prompts)
{
    BuildControls();
    ConnectControls();
}

void TSettingsWindow::BuildControls()
{
    OkButton = Named(new QToolButton(this), "OkButton");
    OkButton->setText(QStringLiteral("&OK"));
    CancelButton = Named(new QToolButton(this), "CancelButton");
    CancelButton->setText(tr("&Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QToolButton* button : {OkButton, CancelButton}) {
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
    Highlight =
        new TButtonHighlight({OkButton, CancelButton},
                             {FieldGroup, GeneralGroup, BitRateGroup, CodePageGroup, this}, this);
}

QWidget* TSettingsWindow::BuildFieldFrame()
{
    FieldGroup =
        Named(new QGroupBox(tr(" On multiple files select, disable : "), this), "FieldGroup");
    auto* grid = new QGridLayout(FieldGroup);
    for (int i = 0; i < FieldCount; ++i) {
        FieldBoxes[i] = Named(new QCheckBox(FieldGroup), FieldBoxTexts[i].Name);
        FieldBoxes[i]->setText(tr(FieldBoxTexts[i].Caption));
        grid->addWidget(FieldBoxes[i], i % 4, i / 4);
    }
    return FieldGroup;
}

QWidget* TSettingsWindow::BuildGeneralFrame()
{
    GeneralGroup = Named(new QGroupBox(tr(" General : "), this), "GeneralGroup");
    LimitTo64Box = Named(new QCheckBox(GeneralGroup), "LimitTo64Box");
    LimitTo64Box->setText(tr("Limit &FileName to 64 chars (for CD)"));
    LimitTo64Box->setChecked(true);
    WriteId3v2Box = Named(new QCheckBox(GeneralGroup), "WriteId3v2Box");
    WriteId3v2Box->setText(tr("Also write the ID3v&2 tag"));
    ClearRecentButton = Named(new QToolButton(GeneralGroup), "ClearRecentButton");
    ClearRecentButton->setText(tr("... Clear 'Recent &Paths' List ..."));
    ClearRecentButton->setAutoRaise(true);
    auto* box = new QVBoxLayout(GeneralGroup);
    box->addWidget(LimitTo64Box);
    box->addWidget(WriteId3v2Box);
    box->addWidget(ClearRecentButton);
    return GeneralGroup;
}

QWidget* TSettingsWindow::BuildBitRateFrame()
{
    BitRateGroup = Named(new QGroupBox(tr(" BitRate : "), this), "BitRateGroup");
    WarnBitRateBox = Named(new QCheckBox(BitRateGroup), "WarnBitRateBox");
    WarnBitRateBox->setText(tr("&Warning if BitRate is :"));
    WarnBitRateBox->setChecked(true);
    BelowLabel = Named(new QLabel(tr("below"), BitRateGroup), "BelowLabel");
    LowerBitRate = BoundList(BitRateGroup, "LowerBitRate");
    HigherLabel = Named(new QLabel(tr("or higher than"), BitRateGroup), "HigherLabel");
    HigherBitRate = BoundList(BitRateGroup, "HigherBitRate");
    KbitsLabel = Named(new QLabel(tr("KBit/s"), BitRateGroup), "KbitsLabel");
    ExcludeFilesBox = Named(new QCheckBox(BitRateGroup), "ExcludeFilesBox");
    ExcludeFilesBox->setText(tr("... NOT a&dd these files when search"));

    auto* band = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{BelowLabel, LowerBitRate, HigherLabel,
                                                            HigherBitRate, KbitsLabel}) {
        band->addWidget(control);
    }
    band->addStretch();
    auto* box = new QVBoxLayout(BitRateGroup);
    box->addWidget(WarnBitRateBox);
    box->addLayout(band);
    box->addWidget(ExcludeFilesBox);
    return BitRateGroup;
}

QWidget* TSettingsWindow::BuildCodePageFrame()
{
    CodePageGroup = Named(new QGroupBox(tr(" ID3 Tags : "), this), "CodePageGroup");
    CodePageBox = Named(new QComboBox(CodePageGroup), "CodePageBox");
    for (const TTagCodePage& page : TagCodePages()) {
        CodePageBox->addItem(QString::fromLatin1(page.Label), QString::fromLatin1(page.Name));
    }
    CodePageLabel = Named(new QLabel(tr("Code Pag&e :"), CodePageGroup), "CodePageLabel");
    CodePageLabel->setBuddy(CodePageBox);
    auto* box = new QHBoxLayout(CodePageGroup);
    box->addWidget(CodePageLabel);
    box->addWidget(CodePageBox, 1);
    return CodePageGroup;
}

void TSettingsWindow::ConnectControls()
{
    for (int i = 0; i < FieldCount; ++i) {
        connect(FieldBoxes[i], &QCheckBox::toggled, this,
                [this, i](bool checked) { FieldBoxClick(i, checked); });
    }
    connect(LimitTo64Box, &QCheckBox::toggled, this, &TSettingsWindow::LimitTo64Clicked);
    connect(WarnBitRateBox, &QCheckBox::toggled, this, &TSettingsWindow::WarnBitRateClicked);
    connect(ExcludeFilesBox, &QCheckBox::toggled, this, &TSettingsWindow::ExcludeFilesClicked);
    connect(ClearRecentButton, &QToolButton::clicked, this, &TSettingsWindow::ClearRecentClicked);
    connect(OkButton, &QToolButton::clicked, this, &TSettingsWindow::OkClicked);
    connect(CancelButton, &QToolButton::clicked, this, &TSettingsWindow::CancelClicked);
}

void TSettingsWindow::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        ShowSettings();
    }
}

void TSettingsWindow::ShowSettings()
{
    Highlight->Highlight(nullptr);
    for (int i = 0; i < FieldCount; ++i) {
        FieldBoxes[i]->setChecked(!Work.Fields.EnabledFields[i]);
    }
    const TMainOptions& options = Work.Options;
    LimitTo64Box->setChecked(options.LimitTo64);
    WriteId3v2Box->setChecked(options.WriteId3v2);
    WarnBitRateBox->setChecked(options.WarningBitRate);
    ExcludeFilesBox->setChecked(options.ExcludeIfWarning);
    SelectBound(LowerBitRate, options.LowBitRate);
    SelectBound(HigherBitRate, options.HighBitRate);
    ColourExcludeCaption();
    CodePageBox->setCurrentIndex(
        CodePageBox->findData(QString::fromLatin1(options.TagCodePage.Name)));
}

void TSettingsWindow::FieldBoxClick(int field, bool checked)
{
    const TFieldBox& texts = FieldBoxTexts[field];
    FieldBoxes[field]->setText(tr(checked ? texts.DisabledCaption : texts.Caption));
    SetTextColour(FieldBoxes[field], checked ? ButtonShadow : QColor(Qt::black));
    // the title's flag waits for "&OK"
    if (field > 0) {
        emit EnabledFieldChanged(field, !checked);
    }
}

void TSettingsWindow::LimitTo64Clicked(bool checked)
{
    emit LimitTo64Changed(checked);
    SetTextColour(LimitTo64Box, checked ? QColor(Qt::black) : ButtonShadow);
}

void TSettingsWindow::WarnBitRateClicked(bool checked)
{
    emit WarningBitRateChanged(checked);
    for (QWidget* control : std::initializer_list<QWidget*>{
             LowerBitRate, HigherBitRate, ExcludeFilesBox, BelowLabel, HigherLabel, KbitsLabel}) {
        control->setEnabled(checked);
    }
    for (QComboBox* list : {LowerBitRate, HigherBitRate}) {
        QPalette colours = list->palette();
        colours.setColor(QPalette::Button,
                         palette().color(checked ? QPalette::Base : QPalette::Button));
        list->setPalette(colours);
    }
}

void TSettingsWindow::ExcludeFilesClicked(bool checked)
{
    emit ExcludeIfWarningChanged(checked);
    ColourExcludeCaption();
}

void TSettingsWindow::ColourExcludeCaption()
{
    SetTextColour(ExcludeFilesBox, ExcludeFilesBox->isChecked() ? Maroon : ButtonShadow);
}

void TSettingsWindow::OkClicked()
{
    for (int i = 0; i < FieldCount; ++i) {
        emit EnabledFieldChanged(i, !FieldBoxes[i]->isChecked());
    }
    emit LimitTo64Changed(LimitTo64Box->isChecked());
    emit WriteId3v2Changed(WriteId3v2Box->isChecked());
    emit WarningBitRateChanged(WarnBitRateBox->isChecked());
    emit ExcludeIfWarningChanged(ExcludeFilesBox->isChecked());
    // a bound that is not one of the offered values shows no selection and stays as it is
    emit BitRateBandChanged(ShownBound(LowerBitRate, Work.Options.LowBitRate),
                            ShownBound(HigherBitRate, Work.Options.HighBitRate));
    const QString codePage = CodePageBox->currentData().toString();
    if (!(TagCodePageOrDefault(codePage.toStdString()) == Work.Options.TagCodePage)) {
        emit TagCodePageChosen(codePage);
    }
    close();
}

void TSettingsWindow::CancelClicked()
{
    close();
}

void TSettingsWindow::ClearRecentClicked()
{
    if (Prompts.AskYesNo(this, tr("Are you shure ..."),
                         tr("... to CLEAR \"Recent Paths\" List ?"))) {
        emit ClearRecentPathsRequested();
    }
}
