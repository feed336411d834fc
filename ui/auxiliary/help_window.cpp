#include "ui/auxiliary/help_window.h"

#include "ui/components/named.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

// The text follows what the macro formatter and the catalogue generator do; keep them in step.
constexpr const char* HelpText =
    QT_TRANSLATE_NOOP("THelpWindow",
                      R"(------------------------------------------------------------------------
                         Velmor Cantrel v3.x.x
------------------------------------------------------------------------

History :

 v3.1.7 : Runs on Linux desktops. Tags are read and written in one code
          page (Windows-1252 unless set otherwise); a rename never
          replaces an existing file; file names need not be UTF-8.
 v3.1.5 : Shortcut list; hints can be switched off; the help column
          can be collapsed.
 v3.1.0 : HTML catalogue: a page per song and a song list, written from
          the templates in the HTML folder.
 v3.0.0 : "Name To ID3": tags filled from file names through a
          "TAG Formula", with a list of formulas and replace pairs.
 v2.1.0 : Macro list: macros kept, previewed and taken over.
 v2.0.0 : File names set from tags through macros, also into new
          subfolders; recursive scan of the folders below.
 v1.1.0 : Warnings about files outside a bit-rate band; error list.
 v1.0.0 : First public release.

------------------------------------------------------------------------

HTML Support

 The templates lie in the folder HTML beside the program. Generating a
 catalogue copies that folder as the folder HTML of the chosen folder
 and writes there:

   _songs.htm  the song list, from the template of that name
   _tags.htm   the template of the pages in the folder Tags below it,
               one page per listed file

 Reserved words, replaced in every line of a template (the first time
 each one occurs in the line):

   title_from_tags      Song Title
   artist_from_tags     Artist
   album_from_tags      Album
   year_from_tags       Year
   comment_from_tags    Comment
   genre_from_tags      Genre
   tracknr_from_tags    Track Nr.
   duration_from_tags   Playing Time
   size_from_tags       File Size
   version_from_tags    Version
   mode_from_tags       Mode
   bitrate_from_tags    BitRate
   song_name_from_tags  Name of Song from Path
   songs_file_name      Name for generated - tag.htm - Files
   var_date_time        Current Date and Time
   var_caption_header   Text for Header
   var_copyright        Copyright Information

   <!-- begin_repetition -->   start of the block written once per song
   <!-- end_repetition -->     end of that block
                               (each marker alone on its line, in _songs.htm)

------------------------------------------------------------------------

MACROS

 %<tagid>[,|: <alignment>][,|: <length>][, <padchar>]%

 - An item begins and ends with a percent sign: %T%.
 - Two percent signs with nothing or blanks between them give one
   percent sign: %% gives %.
 - Items don't nest; a percent sign without its closing one ends the
   text with "<<<ERROR!!! No end of item definition!>>>".
 - Elements are separated by commas; alignment and length may also be
   separated by a colon. The pad character always needs three commas
   before it: %T,L:12,,.%
 - Only the tag id is required; it may be typed in small letters.
 - The pad character defaults to a blank (ASCII 32).
 - A tag id that names no item is not replaced: the item stays exactly
   as written, percent signs included (%This is title,C,70%).
 - A number as tag id gives the character of that code: %65% gives A.

 Short  Long           Len  Align  Description
 -----  -------------  ---  -----  ------------------------------------
 T      Title           30  L      Title
 TR     Track            3  R      Album track number (two digits)
 A      Artist          30  L      Artist
 ALB    Album           35  L      Album
 Y      Year             4  L      Year
 CMNT   Comment         30  L      Comment
 G      Genre           25  L      Genre description
 GNR    GenreNr          3  R      Genre number
 M      Mode            12  L      Channel mode ('Stereo' / 'Joint-Stereo'
                                   / 'Dual-Channel' / 'Mono')
 S      Stereo           6  L      'Stereo' or 'Mono'
 V      Version          3  L      MPEG version
 LY     Layer            3  L      Layer name
 LYN    LayerNr          1  L      Layer number
 BR     BitRate          3  R      Bit rate (kbit/s)
 SR     SampleRate       5  R      Sample rate (Hz)
 SRK    SampleRateKb     4  R      Sample rate (kHz, one decimal)
 FL     FrameLength      4  R      Frame length (bytes)
 D      Duration         4  R      Playing time (seconds)
 DC     DurationComma    5  R      Playing time, thousands grouped
 DF     DurationForm     5  R      Playing time as mm:ss
 L      Length           9  R      File size (bytes)
 LC     LengthComma     12  R      File size, thousands grouped
 LK     LengthKb         6  R      File size (KB)
 LKC    LengthKbComma    8  R      File size (KB, rounded, grouped)
 LM     LengthMb         5  R      File size (MB, one decimal)
 FN     FileName        40  L      File name
 FP     FilePath        40  L      Folder of the file
 FD     FileDate        10  L      File date (dd.mm.yyyy)
 FT     FileTime         8  L      File time (hh:nn:ss)
 VL     VolumeLabel     11  L      Label of the disk holding the file
 EP     ErrorProt        3  L      Error protection: Yes / No
 C      Copyright        3  L      Copyright flag: Yes / No
 O      Original         3  L      Original flag: Yes / No
 EP*    ErrorProt*       1  L      the same flags as * or a blank
 C*     Copyright*       1  L
 O*     Original*        1  L
 SL     Selected         3  L      Selected: Yes / No
 SL*    Selected*        3  L      Selected: * or a blank
 SLN    SelectedNr       3  R      Selection mark
 VD     Valid            3  L      Valid MPEG stream: Yes / No
 VD*    Valid*           3  L      Valid: * or a blank
 NL     NewLine          2  L      Line break
 #      SoftNewLine      0  L      Nothing
 TB     Tab              1  L      Tab character

 Example:
   "  [ %a,t% - %alb,t% ] - %t,t% - %g,t% - %y,t%"
 gives
   "  [ artist - album ] - title - genre - year"

ALIGNMENT

 L - Left       the value, then pad characters
 R - Right      pad characters, then the value
 C - Centered   the value in the middle; an odd pad goes to the right
 T - Trimmed    the value as it is, whatever the length

 Without an alignment (or with another letter) the item takes its
 default alignment and default length: %T% is always 30 characters.

LENGTH

 Longer data is cut to the length, keeping its first characters (also
 for R and C). An alignment without a length gives the data as it is;
 a length of zero means the item's default length: %T,R,0% is the
 title right-aligned in 30 characters.

PADDING

 The pad character is given as the character itself, not its code:
 %TR,R,4,0% gives 0005 for track 5.
------------------------------------------------------------------------
)");

} // namespace

QString MacroHelpText()
{
    return THelpWindow::tr(HelpText);
}

THelpWindow::THelpWindow(QWidget* parent)
    : TInfoWindow(QStringLiteral("HelpWindow"), tr("Macros ..."), QSize(620, 520), true, parent)
{
    HelpBox = Named(new QPlainTextEdit(this), "HelpBox");
    HelpBox->setReadOnly(true);
    HelpBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    HelpBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpBox->setFont(FixedPitchFont(10));
    HelpBox->setStyleSheet(QStringLiteral("QPlainTextEdit { color: yellow; background: black; }"));
    HelpBox->setPlainText(MacroHelpText());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(HelpBox);
}
