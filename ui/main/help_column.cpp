#include "ui/main/help_column.h"

#include "ui/components/named.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ExpandedWidth = 105;
constexpr int CollapsedWidth = 25;

// Swallows the requests for tool tips while it is installed on the application.
class THintBlocker : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

} // namespace

THelpColumn::THelpColumn(QWidget* parent) : TPanel(parent)
{
    setFrameShadow(QFrame::Sunken);
    setFixedWidth(ExpandedWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    CollapseButton = Named(new QToolButton(this), "HelpColumnButton");
    CollapseButton->setText(QStringLiteral("&<"));
    CollapseButton->setAutoRaise(true);
    CollapseButton->setFixedSize(19, 19);
    layout->addWidget(CollapseButton, 0, Qt::AlignRight);

    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(std::max(6.0, font().pointSizeF() - 3.0));
    QFont heading = font();
    heading.setPointSizeF(std::max(6.5, font().pointSizeF() - 2.0));
    heading.setBold(true);
    const std::pair<const char*, QString> labels[] = {
        {"TagIdTitleLabel", tr("Tag ID:")},
        {"TagIdHelpLabel", tr("%T%    - Title\n\n%A%    - Artist\n\n%ALB%  - Album\n\n"
                              "%TR%   - Track\n\n%Y%    - Year\n\n%CMNT% - Comment\n\n"
                              "%G%    - Genre\n\n%M%    - Mode")},
        {"AlignTitleLabel", tr("Alignement:")},
        {"AlignHelpLabel", tr("L - Left\nR - Right\nC - Centered\nT - Trimmed")},
        {"TemplatesTitleLabel", tr("Template Files:")},
        {"TemplatesHelpLabel", tr("_tags.htm\n_songs.htm\n \nfrom '../HTML'")},
    };
    for (std::size_t i = 0; i < HelpLabels.size(); ++i) {
        HelpLabels[i] = Named(new QLabel(labels[i].second, this), labels[i].first);
        HelpLabels[i]->setFont(i % 2 == 0 ? heading : fixed); // titles and their help alternate
        layout->addWidget(HelpLabels[i]);
    }
    layout->addStretch(1);

    ShowHintsPanel = Named(new TPanel(this), "ShowHintsPanel");
    ShowHintsPanel->setFixedHeight(42);
    ShowHintsPanel->SetAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    auto* hintLayout = new QVBoxLayout(ShowHintsPanel);
    hintLayout->setContentsMargins(2, 2, 2, 2);
    ShowHintsBox = Named(new QCheckBox(tr("&I"), ShowHintsPanel), "ShowHintsBox");
    ShowHintsBox->setChecked(true);
    hintLayout->addWidget(ShowHintsBox, 0, Qt::AlignHCenter | Qt::AlignTop);
    hintLayout->addStretch(1);
    layout->addWidget(ShowHintsPanel);

    connect(CollapseButton, &QToolButton::clicked, this, &THelpColumn::ToggleCollapsed);
    HintBlocker = new THintBlocker(this);
    connect(ShowHintsBox, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            qApp->removeEventFilter(HintBlocker);
        } else {
            QToolTip::hideText();
            qApp->installEventFilter(HintBlocker);
        }
        emit HintsToggled(on);
    });
    connect(ShowHintsPanel, &TPanel::Clicked, ShowHintsBox, &QCheckBox::toggle);
    ShowHints(true);
    ToggleCollapsed(); // the column starts folded away
}

void THelpColumn::ToggleCollapsed()
{
    Collapsed = !Collapsed;
    CollapseButton->setText(Collapsed ? QStringLiteral("&>") : QStringLiteral("&<"));
    ShowHintsPanel->SetCaption(Collapsed ? QString() : tr("Show H&int"));
    for (QLabel* label : HelpLabels) {
        label->setVisible(!Collapsed);
    }
    setFixedWidth(Collapsed ? CollapsedWidth : ExpandedWidth);
    ShowHints(HintsShown);
}

bool THelpColumn::HintsOn() const
{
    return ShowHintsBox->isChecked();
}

void THelpColumn::ShowHints(bool show)
{
    HintsShown = show;
    ShowHintsPanel->setToolTip(show ? tr("Show Hint") : QString());
    CollapseButton->setToolTip(
        show ? (Collapsed ? tr("Show Extended Info") : tr("Hide Extended Info")) : QString());
}
