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
    QFrame* Credits_Panel = nullptr;     // the lowered panel holding everything
    QLabel* Programming_Label = nullptr; // programming credit
    QLabel* Design_Label = nullptr;      // design and graphics credit
    QLabel* Mpeg_Label = nullptr;        // the MPEG analysis, with its web page
    QLabel* Mail_Label = nullptr;        // the group and its mail address
    QLabel* HomePage_Label = nullptr;    // the home page
    QFrame* Picture_Panel = nullptr;     // the picture's frame
    QLabel* Image1 = nullptr;

    // Hides the window.
    void Credits_PanelClick();
    // Opens a mail to the makers.
    void Mail_LabelMouseUp();
    // Opens the MPEG analysis's web page.
    void Mpeg_LabelMouseUp();
    // Opens the makers' home page.
    void HomePage_LabelClick();

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
