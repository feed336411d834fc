#include "ui/html/html_window.h"

#include "catalogue/html_generator.h"
#include "engine/date_time.h"
#include "ui/components/browse_directory_dlg.h"
#include "ui/components/display_path.h"
#include "ui/components/locale_settings.h"
#include "ui/components/named.h"
#include "ui/components/prompts.h"
#include "ui/components/throttled_yield.h"
#include "workspace/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <ctime>

namespace {

// The file types the preview opens: the type's name and its pattern.
struct TFileType
{
    const char* Name;
    const char* Pattern;
};

const TFileType OpenDialogTypes[] = {
    {QT_TRANSLATE_NOOP("THtmlWindow", "Text Files ( *.txt )"), "*.txt"},
    {QT_TRANSLATE_NOOP("THtmlWindow", "HTM Files ( *.htm )"), "*.htm"},
    {QT_TRANSLATE_NOOP("THtmlWindow", "HTML Files ( *.html )"), "*.html"},
    {QT_TRANSLATE_NOOP("THtmlWindow", "SHTML Files ( *.shtml )"), "*.shtml"},
    {QT_TRANSLATE_NOOP("THtmlWindow", "DHTML Files ( *.dhtml )"), "*.dhtml"},
    {QT_TRANSLATE_NOOP("THtmlWindow", "PHP3 Files ( *.php3 )"), "*.php3"},
    {QT_TRANSLATE_NOOP("THtmlWindow", "All Files ( *.* )"), "*.*"},
};
constexpr int OpenDialogFilterIndex = 1; // "HTM Files"

// Larger files are not loaded: the preview would stall the program.
constexpr qint64 PreviewSizeLimit = 16 * 1024 * 1024;

// The file types as file-dialog name filters in the user's language. "*.*" means every file,
// also the names without a dot.
QStringList NameFilters()
{
    QStringList filters;
    for (const TFileType& type : OpenDialogTypes) {
        const QLatin1String given(type.Pattern);
        const QString pattern =
            given == QLatin1String("*.*") ? QStringLiteral("*") : QString(given);
        filters << THtmlWindow::tr(type.Name) + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters;
}

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace

// A run's progress: the progress window counts the songs, the page counter the tag pages, and
// the main file list is put away while the songs are read.
class THtmlWindow::TRunProgress : public THtmlProgress
{
public:
    explicit TRunProgress(THtmlWindow& window) : Window(window) {}

    void Show() override
    {
        emit Window.FileListHidden(true);
        emit Window.ProgressShown(true);
    }
    void Hide() override
    {
        emit Window.ProgressShown(false);
        emit Window.FileListHidden(false);
    }
    void Range(std::size_t range) override { RangeValue = static_cast<int>(range); }
    void Position(std::size_t position) override { PositionValue = static_cast<int>(position); }
    void Text(const std::string& text) override { TextValue = QString::fromStdString(text); }
    void Refresh() override { emit Window.ProgressReported(PositionValue, RangeValue, TextValue); }
    void TagPagesWritten(std::size_t count) override { Window.TagPagesLabel->setNum(int(count)); }

private:
    int RangeValue = 0;
    int PositionValue = 0;
    QString TextValue;
    THtmlWindow& Window;
};

THtmlWindow::THtmlWindow(TWorkspace& work, TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("HtmlWindow"),
                    QStringLiteral("Generate HTML Page from ID3 Tag ..."), parent),
      Work(work), Prompts(prompts),
      BrowseDirectoryDlg(std::make_unique<TBrowseDirectoryDlg>(prompts, this)),
      Yield(std::make_unique<TThrottledYield>())
{
    BuildControls();
    SetDefaults();
    resize(480, 260);
}

THtmlWindow::~THtmlWindow() = default;

std::string THtmlWindow::ProgramTemplateFolder()
{
    QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/HTML");
    if (!QDir(folder).exists()) {
        folder =
            QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("cantrel/HTML"), QStandardPaths::LocateDirectory);
    }
    return folder.isEmpty() ? std::string() : WithSlash(PathBytes(folder));
}

void THtmlWindow::BuildControls()
{
    CaptionBox = Named(new QLineEdit(this), "CaptionBox");
    CaptionBox->setToolTip(tr("Text for Header File"));
    FooterBox = Named(new QLineEdit(this), "FooterBox");
    FooterBox->setToolTip(tr("Text for Footer File"));
    CopyrightBox = Named(new QLineEdit(this), "CopyrightBox");
    CopyrightBox->setToolTip(tr("Copyright String"));
    GenerateButton = Named(new QToolButton(this), "GenerateButton");
    GenerateButton->setText(tr("Generate"));
    TagPagesLabel = Named(new QLabel(QStringLiteral("0"), this), "TagPagesLabel");
    SongCountLabel = Named(new QLabel(this), "SongCountLabel");

    RepetitionsPanel = Named(new QWidget(this), "RepetitionsPanel");
    TotalSongsButton =
        Named(new QRadioButton(tr("Repear Number = Total Songs In Path"), RepetitionsPanel),
              "TotalSongsButton");
    TotalSongsButton->setChecked(true);
    CustomButton =
        Named(new QRadioButton(tr("Repeat Number Is Custom :"), RepetitionsPanel), "CustomButton");
    CustomCountBox = Named(new QSpinBox(RepetitionsPanel), "CustomCountBox");
    CustomCountBox->setRange(1, 2000);
    CustomCountBox->setValue(1);
    auto* choice = new QHBoxLayout(RepetitionsPanel);
    choice->addWidget(TotalSongsButton);
    choice->addWidget(CustomButton);
    choice->addWidget(CustomCountBox);
    RepetitionsPanel->hide();
    CustomClicked(false);

    PreviewBox = Named(new QTextEdit(this), "PreviewBox");
    PreviewBox->setReadOnly(true);
    PreviewBox->setContextMenuPolicy(Qt::CustomContextMenu);
    PreviewBox->setEnabled(false);
    PreviewBox->hide();
    PreviewMenu = Named(new QMenu(this), "PreviewMenu");
    OpenFileItem = Named(PreviewMenu->addAction(tr("&Open File")), "OpenFileItem");

    auto* form = new QFormLayout;
    form->addRow(tr("Header String :"), CaptionBox);
    form->addRow(tr("Footer String :"), FooterBox);
    form->addRow(tr("Copyright String :"), CopyrightBox);
    auto* counters = new QHBoxLayout;
    counters->addWidget(GenerateButton);
    counters->addStretch();
    counters->addWidget(TagPagesLabel);
    counters->addWidget(SongCountLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(RepetitionsPanel);
    layout->addWidget(PreviewBox);
    layout->addLayout(counters);

    connect(GenerateButton, &QToolButton::clicked, this, &THtmlWindow::GenerateClicked);
    connect(CustomButton, &QRadioButton::toggled, this, &THtmlWindow::CustomClicked);
    connect(PreviewBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PreviewMenu->popup(PreviewBox->viewport()->mapToGlobal(at));
    });
    connect(OpenFileItem, &QAction::triggered, this, &THtmlWindow::OpenFileClicked);
}

void THtmlWindow::SetDefaults()
{
    BrowseDirectoryDlg->Caption = tr("Set Path for HTML Generation");
    BrowseDirectoryDlg->ShowSelectionInStatus = true;
    CaptionBox->setText(CaptionHeaderText);
    FooterBox->setText(CopyrightText);
    CopyrightBox->setText(CopyrightText);
    SongCountLabel->setText(QStringLiteral("0"));
}

void THtmlWindow::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        ShowSongCount();
    }
}

void THtmlWindow::ShowSongCount()
{
    SongCountLabel->setText(tr("( %1 )").arg(Work.Files.Size()));
}

void THtmlWindow::CustomClicked(bool checked)
{
    CustomCountBox->setEnabled(checked);
    QPalette colours = CustomCountBox->palette();
    colours.setColor(QPalette::Base,
                     checked ? QColor(Qt::white) : palette().color(QPalette::Button));
    CustomCountBox->setPalette(colours);
}

void THtmlWindow::OpenFileClicked()
{
    const std::optional<QString> chosen =
        Prompts.PickFileToOpen(this, NameFilters(), OpenDialogFilterIndex);
    if (!chosen) {
        return;
    }
    QFile file(*chosen);
    QString problem;
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
    } else if (file.size() > PreviewSizeLimit) {
        problem = tr("the file is larger than %1 MB").arg(PreviewSizeLimit >> 20);
    }
    if (!problem.isEmpty()) {
        Prompts.Inform(this, windowTitle(), tr("Cannot open %1:\n%2").arg(*chosen, problem));
        return;
    }
    // the bytes as UTF-8; invalid sequences show as replacement characters
    PreviewBox->setPlainText(QString::fromUtf8(file.readAll()));
}

void THtmlWindow::GenerateClicked()
{
    if (Work.Files.Empty() || Work.Activity.Busy()) {
        return;
    }
    // the picker opens at the last folder chosen in it; a cancel forgets nothing and writes nothing
    if (!BrowseDirectoryDlg->Execute()) {
        return;
    }
    HtmlPath = WithSlash(PathBytes(BrowseDirectoryDlg->Selection));

    std::vector<std::string> paths;
    paths.reserve(Work.Files.Size());
    for (std::size_t row = 0; row < Work.Files.Size(); ++row) {
        paths.push_back(Work.Files[row].FullName());
    }
    THtmlRunOptions options;
    options.TemplateFolder = TemplateFolder;
    options.HtmlPath = HtmlPath;
    options.Regional = SystemRegionalSettings();
    options.Now = LocalDateTime(std::time(nullptr));
    options.CodePage = Work.Options.TagCodePage;

    THtmlRunResult result;
    TRunProgress progress(*this);
    TagPagesLabel->setNum(0);
    const bool ran = Work.Activity.Run(TActivityKind::Batch, [&] {
        result = GenerateHtmlCatalogue(paths, options, Songs, progress, [this] { (*Yield)(); });
    });
    if (!ran) {
        return;
    }
    if (!result.Refusal.empty()) {
        Prompts.Inform(this, tr("Attention !"), QString::fromStdString(result.Refusal));
    } else if (!result.Failures.empty()) {
        emit FilesFailed(result.Failures);
    }
}
