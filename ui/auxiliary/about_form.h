#pragma once

#include "ui/auxiliary/info_window.h"

class QFrame;
class QLabel;
class TPrompts;

// The about window: who made the program, and links to the makers' mail and home page. It stays
// on top of the other windows; a click on the credits hides it.
class TForm4 : public TInfoWindow
{
    Q_OBJECT

public:
    explicit TForm4(TPrompts& prompts, QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;  // the lowered panel holding everything
    QLabel* Label29 = nullptr; // programming credit
    QLabel* Label28 = nullptr; // design and graphics credit
    QLabel* Label20 = nullptr; // the MPEG analysis, with its web page
    QLabel* Label1 = nullptr;  // the group and its mail address
    QLabel* Label2 = nullptr;  // the home page
    QFrame* Panel2 = nullptr;  // the picture's frame
    QLabel* Image1 = nullptr;

    // Hides the window.
    void Panel1Click();
    // Opens a mail to the makers.
    void Label1MouseUp();
    // Opens the MPEG analysis's web page.
    void Label20MouseUp();
    // Opens the makers' home page.
    void Label2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
