#include "ui/html/html_form.h"

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

// The file types the preview opens, as description and pattern pairs between bars.
constexpr const char* OpenDialogFilter =
    "Text Files ( *.txt )|*.txt|HTM Files ( *.htm )|*.htm|HTML Files ( *.html )|*.html|"
    "SHTML Files ( *.shtml )|*.shtml|DHTML Files ( *.dhtml )|*.dhtml|PHP3 Files ( *.php3 )|*.php3|"
    "All Files ( *.* )|*.*";
constexpr int OpenDialogFilterIndex = 1; // "HTM Files"

// Larger files are not loaded: the preview would stall the program.
constexpr qint64 PreviewSizeLimit = 16 * 1024 * 1024;

// The pairs of a bar-separated filter as file-dialog name filters. "*.*" means every file, also
// the names without a dot.
QStringList NameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern =
            parts[i + 1] == QLatin1String("*.*") ? QStringLiteral("*") : parts[i + 1];
        filters << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
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
    explicit TRunProgress(THtmlWindow& form) : Form(form) {}

    void Show() override
    {
        emit Form.FileListHidden(true);
        emit Form.ProgressShown(true);
    }
    void Hide() override
    {
        emit Form.ProgressShown(false);
        emit Form.FileListHidden(false);
    }
    void Range(std::size_t range) override { RangeValue = static_cast<int>(range); }
    void Position(std::size_t position) override { PositionValue = static_cast<int>(position); }
    void Text(const std::string& text) override { TextValue = QString::fromStdString(text); }
    void Refresh() override { emit Form.ProgressReported(PositionValue, RangeValue, TextValue); }
    void TagPagesWritten(std::size_t count) override { Form.TagPages_Label->setNum(int(count)); }

private:
    int RangeValue = 0;
    int PositionValue = 0;
    QString TextValue;
    THtmlWindow& Form;
};

THtmlWindow::THtmlWindow(TWorkspace& work, TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("_Form5"), QStringLiteral("Generate HTML Page from ID3 Tag ..."),
                    parent),
      Work(work), Prompts(prompts),
      BrowseDirectoryDlg(std::make_unique<TBrowseDirectoryDlg>(prompts, this)),
      Yield(std::make_unique<TThrottledYield>())
{
    BuildControls();
    FormCreate();
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
    Caption_Edit = Named(new QLineEdit(this), "Caption_Edit");
    Caption_Edit->setToolTip(tr("Text for Header File"));
    Footer_Edit = Named(new QLineEdit(this), "Footer_Edit");
    Footer_Edit->setToolTip(tr("Text for Footer File"));
    Copyright_Edit = Named(new QLineEdit(this), "Copyright_Edit");
    Copyright_Edit->setToolTip(tr("Copyright String"));
    Generate_SB = Named(new QToolButton(this), "Generate_SB");
    Generate_SB->setText(tr("Generate"));
    TagPages_Label = Named(new QLabel(QStringLiteral("0"), this), "TagPages_Label");
    TotalSongr_Label = Named(new QLabel(this), "TotalSongr_Label");

    Repetitions_Panel = Named(new QWidget(this), "Repetitions_Panel");
    TotalSongs_RB =
        Named(new QRadioButton(tr("Repear Number = Total Songs In Path"), Repetitions_Panel),
              "TotalSongs_RB");
    TotalSongs_RB->setChecked(true);
    Custom_RB =
        Named(new QRadioButton(tr("Repeat Number Is Custom :"), Repetitions_Panel), "Custom_RB");
    NumberOfCustom_SE = Named(new QSpinBox(Repetitions_Panel), "NumberOfCustom_SE");
    NumberOfCustom_SE->setRange(1, 2000);
    NumberOfCustom_SE->setValue(1);
    auto* choice = new QHBoxLayout(Repetitions_Panel);
    choice->addWidget(TotalSongs_RB);
    choice->addWidget(Custom_RB);
    choice->addWidget(NumberOfCustom_SE);
    Repetitions_Panel->hide();
    Custom_RBClick(false);

    Preview_html_RE = Named(new QTextEdit(this), "Preview_html_RE");
    Preview_html_RE->setReadOnly(true);
    Preview_html_RE->setContextMenuPolicy(Qt::CustomContextMenu);
    Preview_html_RE->setEnabled(false);
    Preview_html_RE->hide();
    PopupMenu = Named(new QMenu(this), "PopupMenu");
    OpenFile1 = Named(PopupMenu->addAction(tr("&Open File")), "OpenFile1");

    auto* form = new QFormLayout;
    form->addRow(tr("Header String :"), Caption_Edit);
    form->addRow(tr("Footer String :"), Footer_Edit);
    form->addRow(tr("Copyright String :"), Copyright_Edit);
    auto* counters = new QHBoxLayout;
    counters->addWidget(Generate_SB);
    counters->addStretch();
    counters->addWidget(TagPages_Label);
    counters->addWidget(TotalSongr_Label);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Repetitions_Panel);
    layout->addWidget(Preview_html_RE);
    layout->addLayout(counters);

    connect(Generate_SB, &QToolButton::clicked, this, &THtmlWindow::Generate_SBClick);
    connect(Custom_RB, &QRadioButton::toggled, this, &THtmlWindow::Custom_RBClick);
    connect(Preview_html_RE, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu->popup(Preview_html_RE->viewport()->mapToGlobal(at));
    });
    connect(OpenFile1, &QAction::triggered, this, &THtmlWindow::OpenFile1Click);
}

void THtmlWindow::FormCreate()
{
    BrowseDirectoryDlg->Caption = tr("Set Path for HTML Generation");
    BrowseDirectoryDlg->ShowSelectionInStatus = true;
    Caption_Edit->setText(CaptionHeaderText);
    Footer_Edit->setText(CopyrightText);
    Copyright_Edit->setText(CopyrightText);
    TotalSongr_Label->setText(QStringLiteral("0"));
}

void THtmlWindow::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void THtmlWindow::FormShow()
{
    TotalSongr_Label->setText(tr("( %1 )").arg(Work.Files.Size()));
}

void THtmlWindow::Custom_RBClick(bool checked)
{
    NumberOfCustom_SE->setEnabled(checked);
    QPalette colours = NumberOfCustom_SE->palette();
    colours.setColor(QPalette::Base,
                     checked ? QColor(Qt::white) : palette().color(QPalette::Button));
    NumberOfCustom_SE->setPalette(colours);
}

void THtmlWindow::OpenFile1Click()
{
    const std::optional<QString> chosen = Prompts.PickFileToOpen(
        this, NameFilters(QLatin1String(OpenDialogFilter)), OpenDialogFilterIndex);
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
    Preview_html_RE->setPlainText(QString::fromUtf8(file.readAll()));
}

void THtmlWindow::Generate_SBClick()
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
    TagPages_Label->setNum(0);
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
