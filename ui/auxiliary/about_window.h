#pragma once

#include "ui/auxiliary/info_window.h"

class QFrame;
class QLabel;
class TPrompts;

// The about window: who made the program, and links to the makers' mail and home page. It stays
// on top of the other windows; a click on the credits hides it.
class TAboutWindow : public TInfoWindow
{
    Q_OBJECT

public:
    explicit TAboutWindow(TPrompts& prompts, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* CreditsPanel = nullptr;     // the lowered panel holding everything
    QLabel* ProgrammingLabel = nullptr; // programming credit
    QLabel* DesignLabel = nullptr;      // design and graphics credit
    QLabel* MpegLabel = nullptr;        // the MPEG analysis, with its web page
    QLabel* MailLabel = nullptr;        // the group and its mail address
    QLabel* HomePageLabel = nullptr;    // the home page
    QFrame* PicturePanel = nullptr;     // the picture's frame
    QLabel* Picture = nullptr;

    // Hides the window.
    void CreditsClicked();
    // Opens a mail to the makers.
    void MailClicked();
    // Opens the MPEG analysis's web page.
    void MpegPageClicked();
    // Opens the makers' home page.
    void HomePageClicked();

    void CreateControls();
    void Open(const QString& url);

    TPrompts& Prompts;
    QObject* PressedOn = nullptr;
};

inline constexpr const char* MakersMail = "cantrel@velmor.example";
inline constexpr const char* MakersHomePage = "https://velmor.example/cantrel";
inline constexpr const char* MpegAnalysisPage = "https://velmor.example/cantrel/mpeg-audio";

// The about window's picture, drawn here: a record with the program's initial.
QPixmap AboutPicture();
