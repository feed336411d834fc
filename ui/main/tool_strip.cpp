#include "ui/main/tool_strip.h"

#include "engine/path_parts.h"
#include "ui/components/display_path.h"
#include "ui/components/named.h"
#include "ui/main/tool_icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* ToolButton(QWidget* parent, const char* name, const QIcon& icon)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    button->setFixedSize(28, 28);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

} // namespace

void MakeBlack(QFrame* panel, const QColor& text)
{
    panel->setAutoFillBackground(true);
    SetColour(panel, QPalette::Window, Qt::black);
    SetColour(panel, QPalette::WindowText, text);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    if (auto* label = qobject_cast<QLabel*>(panel)) {
        label->setMargin(2);
    }
}

TToolStrip::TToolStrip(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PathStrip"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(2);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    auto* credits = Named(new QLabel(this), "CreditsLabel");
    credits->setText(QStringLiteral("<b>Cantrel v3.1.7</b> &nbsp;&middot;&nbsp; Velmor Group"));
    buttons->addWidget(credits, 1);
    const QStyle* look = style();
    OpenFolderButton =
        ToolButton(this, "OpenFolderButton", look->standardIcon(QStyle::SP_DirOpenIcon));
    buttons->addWidget(OpenFolderButton);
    connect(OpenFolderButton, &QToolButton::clicked, this, &TToolStrip::OpenFolderClicked);
    // the buttons that only open another window
    const struct
    {
        const char* Name;
        QIcon Icon;
        TWindowId Window;
    } windowButtons[] = {
        {"SettingsButton", ToolIcon(TToolIcon::Settings), TWindowId::Settings},
        {"KeysButton", ToolIcon(TToolIcon::Keys), TWindowId::Keys},
        {"ErrorsButton", look->standardIcon(QStyle::SP_MessageBoxWarning), TWindowId::Errors},
        {"MacroHelpButton", ToolIcon(TToolIcon::Help), TWindowId::MacroHelp},
        {"AboutButton", look->standardIcon(QStyle::SP_MessageBoxInformation), TWindowId::About},
    };
    for (const auto& each : windowButtons) {
        QToolButton* button = ToolButton(this, each.Name, each.Icon);
        buttons->addWidget(button);
        connect(button, &QToolButton::clicked, this,
                [this, window = each.Window] { emit WindowRequested(window); });
    }
    QToolButton* mail = ToolButton(this, "MailButton", ToolIcon(TToolIcon::Mail));
    QToolButton* web = ToolButton(this, "WebButton", ToolIcon(TToolIcon::Web));
    buttons->addWidget(mail);
    buttons->addWidget(web);
    connect(mail, &QToolButton::clicked, this, &TToolStrip::MailClicked);
    connect(web, &QToolButton::clicked, this, &TToolStrip::WebClicked);
    buttons->addSpacing(6);
    layout->addLayout(buttons);

    auto* paths = new QHBoxLayout;
    paths->setSpacing(4);
    PointedFolderPanel = Named(new QLabel(this), "PointedFolderPanel");
    PointedFilePanel = Named(new QLabel(this), "PointedFilePanel");
    MakeBlack(PointedFolderPanel, QColor(0xE8, 0xE8, 0xE8));
    MakeBlack(PointedFilePanel, QColor(0xFF, 0xE0, 0x60));
    for (QLabel* panel : {PointedFolderPanel, PointedFilePanel}) {
        panel->setMinimumWidth(10);
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    paths->addWidget(Named(new QLabel(tr("Path :"), this), "PathCaptionLabel"));
    paths->addWidget(PointedFolderPanel, 3);
    paths->addSpacing(4);
    paths->addWidget(Named(new QLabel(tr("File :"), this), "FileCaptionLabel"));
    paths->addWidget(PointedFilePanel, 2);
    layout->addLayout(paths);
}

void TToolStrip::ShowPointedFile(const std::string& path)
{
    PointedFolderPanel->setText(DisplayPath(FolderPart(path)));
    PointedFilePanel->setText(DisplayPath(NamePart(path)));
}

void TToolStrip::ClearPointedFile()
{
    PointedFolderPanel->clear();
    PointedFilePanel->clear();
}

void TToolStrip::SetOpenEnabled(bool enabled)
{
    OpenFolderButton->setEnabled(enabled);
}

void TToolStrip::ShowHints(bool show)
{
    const std::pair<const char*, QString> hints[] = {
        {"PointedFolderPanel", tr("... Current Path ...")},
        {"PointedFilePanel", tr("... Last File Selected ...")},
        {"AboutButton", tr("... About ...")},
        {"OpenFolderButton", tr("... Open ...")},
        {"MacroHelpButton", tr("... Macros Help ...")},
        {"ErrorsButton", tr("... Show Errors ...")},
        {"SettingsButton", tr("... Settings ...")},
        {"KeysButton", tr("... ShortCuts ...")},
        {"WebButton", tr("... Go to \"Velmor Group\" Home page ...")},
        {"MailButton", tr("... Mail to \"Velmor Group\" ...")},
    };
    for (const auto& [name, hint] : hints) {
        findChild<QWidget*>(QLatin1String(name))->setToolTip(show ? hint : QString());
    }
}
