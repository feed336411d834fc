#pragma once

#include "catalogue/song_values.h"
#include "engine/file_failure.h"
#include "ui/auxiliary/hiding_window.h"

#include <memory>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QTextEdit;
class QRadioButton;
class QSpinBox;
class QToolButton;
class TBrowseDirectoryDlg;
class TThrottledYield;
class TPrompts;
struct TWorkspace;

// The object that owns the HTML generator: its song table, the target folder of the last run and
// the folder picker. The main window starts a run through GenerateClicked; the program never
// shows this window itself.
class THtmlWindow : public THidingWindow
{
    Q_OBJECT

public:
    THtmlWindow(TWorkspace& work, TPrompts& prompts, QWidget* parent = nullptr);
    ~THtmlWindow() override;

    // The "HTML" folder beside the program, else the one installed with it; ends in "/", empty
    // when there is neither.
    static std::string ProgramTemplateFolder();

    THtmlSongTable Songs;
    std::string HtmlPath = "/"; // target of the last run, ending in "/"
    std::string TemplateFolder = ProgramTemplateFolder();
    QString CaptionHeaderText = QString::fromLatin1(::CaptionHeaderText);
    QString CopyrightText = QString::fromLatin1(::CopyrightText);

public slots:
    // A run: the target folder from the picker, then the catalogue of every listed file.
    void GenerateClicked();

signals:
    // The main file list is put away while the songs are read (true) and back afterwards.
    void FileListHidden(bool hidden);
    void FilesFailed(const TFileFailures& failures);
    // A run shows its progress: the progress window opens, moves on and closes.
    void ProgressShown(bool visible);
    void ProgressReported(int position, int range, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    class TRunProgress;

    void BuildControls();
    void SetDefaults();
    void ShowSongCount();
    void CustomClicked(bool checked);
    void OpenFileClicked();

    TWorkspace& Work;
    TPrompts& Prompts;
    std::unique_ptr<TBrowseDirectoryDlg> BrowseDirectoryDlg;
    std::unique_ptr<TThrottledYield> Yield;

    QLineEdit* CaptionBox = nullptr;
    QLineEdit* FooterBox = nullptr;
    QLineEdit* CopyrightBox = nullptr;
    QToolButton* GenerateButton = nullptr;
    QLabel* TagPagesLabel = nullptr;     // tag pages written by the current run
    QLabel* SongCountLabel = nullptr;    // songs listed
    QWidget* RepetitionsPanel = nullptr; // the hidden choice of the block's repetitions
    QRadioButton* TotalSongsButton = nullptr;
    QRadioButton* CustomButton = nullptr;
    QSpinBox* CustomCountBox = nullptr;
    QTextEdit* PreviewBox = nullptr; // hidden and disabled; a file opened from its menu
    QMenu* PreviewMenu = nullptr;
    QAction* OpenFileItem = nullptr;
};
