#include "ui/main/command_strip.h"

#include "ui/auxiliary/button_highlight.h"
#include "ui/components/named.h"
#include "ui/main/tool_strip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* CommandButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumHeight(30);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    return button;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

} // namespace

TCommandStrip::TCommandStrip(QWidget* parent) : TPanel(parent)
{
    setObjectName(QStringLiteral("CommandStrip"));
    setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(3);

    auto* macroRow = new QHBoxLayout;
    macroRow->setSpacing(4);
    Macro = Named(new QLineEdit(this), "MacroBox");
    QToolButton* macroList = CommandButton(this, "MacroListButton", tr("&Macro"));
    macroList->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    macroList->setMinimumHeight(24);
    macroList->setFixedWidth(70);
    NameLengthPanel = Named(new QLabel(this), "NameLengthPanel");
    NameLengthPanel->setFrameShape(QFrame::Panel);
    NameLengthPanel->setFrameShadow(QFrame::Sunken);
    NameLengthPanel->setAlignment(Qt::AlignCenter);
    NameLengthPanel->setFixedWidth(40);
    macroRow->addWidget(Macro, 1);
    macroRow->addWidget(macroList);
    macroRow->addWidget(NameLengthPanel);
    layout->addLayout(macroRow);

    auto* previewPanel = Named(new TPanel(this), "MacroPreviewPanel");
    MakeBlack(previewPanel, QColor(0x70, 0xFF, 0x70));
    auto* preview = new QHBoxLayout(previewPanel);
    preview->setContentsMargins(4, 2, 4, 2);
    PreviewLabel = Named(new QLabel(previewPanel), "MacroPreviewLabel");
    PreviewLabel->setAlignment(Qt::AlignCenter);
    PreviewLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    SetTextColour(PreviewLabel, QColor(0x70, 0xFF, 0x70));
    preview->addWidget(PreviewLabel);
    previewPanel->setFixedHeight(24);
    layout->addWidget(previewPanel);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(0);
    const std::pair<const char*, QString> captions[] = {
        {"ClearTagsButton", tr("C&lear Tags")},
        {"WriteTagButton", tr("  &Write ID3 Tag")},
        {"RenameButton", tr("  &Set File Name")},
        {"NameToTagButton", tr("  &Name to ID3")},
        {"HtmlButton", tr("&HTML")},
    };
    for (const auto& [name, caption] : captions) {
        Commands.push_back(CommandButton(this, name, caption));
        commands->addWidget(Commands.back(), 1);
    }
    layout->addLayout(commands);

    std::vector<QToolButton*> lit = Commands;
    lit.push_back(macroList);
    Highlight = new TButtonHighlight(lit, {this, previewPanel}, this);

    connect(Macro, &QLineEdit::textChanged, this, &TCommandStrip::MacroChanged);
    connect(macroList, &QToolButton::clicked, this, &TCommandStrip::MacroListClicked);
    const decltype(&TCommandStrip::HtmlClicked) commandSignals[] = {
        &TCommandStrip::ClearTagsClicked, &TCommandStrip::WriteTagClicked,
        &TCommandStrip::RenameClicked, &TCommandStrip::NameToTagClicked,
        &TCommandStrip::HtmlClicked};
    for (std::size_t i = 0; i < Commands.size(); ++i) {
        connect(Commands[i], &QToolButton::clicked, this, commandSignals[i]);
    }
}

QString TCommandStrip::MacroText() const
{
    return Macro->text();
}

void TCommandStrip::SetMacro(const QString& macro, bool showStart)
{
    Macro->setText(macro);
    if (showStart) {
        Macro->setCursorPosition(0);
    }
}

QWidget* TCommandStrip::MacroBox() const
{
    return Macro;
}

void TCommandStrip::ShowPreview(const QString& name)
{
    PreviewLabel->setText(name);
}

void TCommandStrip::ShowNameLength(std::size_t length, bool tooLong)
{
    NameLengthPanel->setText(QString::number(length));
    SetTextColour(NameLengthPanel, tooLong ? QColor(Qt::red) : QColor(Qt::black));
}

void TCommandStrip::SetCommandsEnabled(bool enabled)
{
    for (QToolButton* command : Commands) {
        command->setEnabled(enabled);
    }
}

void TCommandStrip::ResetButtonColours()
{
    Highlight->Highlight(nullptr);
}

void TCommandStrip::ShowHints(bool show)
{
    const std::pair<QWidget*, QString> hints[] = {
        {Commands[0], tr("... Clear ID3 Tag in File(s) ...")},
        {Commands[1], tr("... Write ID3 Tag in File(s) ...")},
        {Commands[2], tr("... Set FileName from Macros ...")},
        {Commands[3], tr("... Set ID3 Tag from FileName ...")},
        {Commands[4], tr("... Generate HTML Files with Songs and ID3 Tags ...")},
        {Macro, tr("... Insert Macro for FileName ...")},
        {PreviewLabel, tr("... Preview FileName from Macros ...")},
        {findChild<QToolButton*>(QStringLiteral("MacroListButton")),
         tr("... Select / Edit - Macro ...")},
        {NameLengthPanel, tr("... Total Chars of \"File Name\" ...")},
    };
    for (const auto& [control, hint] : hints) {
        control->setToolTip(show ? hint : QString());
    }
}
