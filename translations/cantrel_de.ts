<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Hints</name>
    <message>
        <source>... separator ...</source>
        <translation>... Trennzeichen ...</translation>
    </message>
    <message>
        <source>... set Tag ...</source>
        <translation>... Tag festlegen ...</translation>
    </message>
    <message>
        <source>... &quot;TAG Formula&quot; ...</source>
        <translation>... &quot;TAG-Formel&quot; ...</translation>
    </message>
    <message>
        <source>... delete selected item from &quot;TAG Formula&quot; list ...</source>
        <translation>... gewählten Eintrag aus der &quot;TAG-Formel&quot;-Liste löschen ...</translation>
    </message>
    <message>
        <source>... clear &quot;TAG Formula&quot; list ...</source>
        <translation>... &quot;TAG-Formel&quot;-Liste leeren ...</translation>
    </message>
    <message>
        <source>... add to &quot;TAG Formula&quot; list ...</source>
        <translation>... zur &quot;TAG-Formel&quot;-Liste hinzufügen ...</translation>
    </message>
    <message>
        <source>... preserve/clear other TAG ...</source>
        <translation>... übrige Tags behalten/löschen ...</translation>
    </message>
    <message>
        <source>... see extracted TAG ...<byte value="xd"/>
    RightClick to swich</source>
        <translation>... gewonnene Tags ansehen ...<byte value="xd"/>
    Rechtsklick zum Umschalten</translation>
    </message>
    <message>
        <source>  ... see all TAG ...<byte value="xd"/>
RightClick to swich</source>
        <translation>  ... alle Tags ansehen ...<byte value="xd"/>
Rechtsklick zum Umschalten</translation>
    </message>
    <message>
        <source>... go to previous file ...</source>
        <translation>... zur vorigen Datei ...</translation>
    </message>
    <message>
        <source>... go to next file ...</source>
        <translation>... zur nächsten Datei ...</translation>
    </message>
    <message>
        <source>... start extraction ...</source>
        <translation>... Übernahme starten ...</translation>
    </message>
    <message>
        <source>... cancel extraction ...</source>
        <translation>... Übernahme abbrechen ...</translation>
    </message>
    <message>
        <source>... current extraction formula ...</source>
        <translation>... aktuelle Übernahmeformel ...</translation>
    </message>
    <message>
        <source>... number of files to process ...</source>
        <translation>... Anzahl zu bearbeitender Dateien ...</translation>
    </message>
    <message>
        <source>... set formula for extraction ...</source>
        <translation>... Formel für die Übernahme festlegen ...</translation>
    </message>
    <message>
        <source>... current file to process ...</source>
        <translation>... aktuell bearbeitete Datei ...</translation>
    </message>
    <message>
        <source>... number of items in &quot;TAG Formula&quot; list ...</source>
        <translation>... Anzahl der Einträge in der &quot;TAG-Formel&quot;-Liste ...</translation>
    </message>
    <message>
        <source>... Include / Exclude FULL File Path from TAG extraction process ...</source>
        <translation>... VOLLEN Dateipfad in die Tag-Übernahme einbeziehen / ausschließen ...</translation>
    </message>
    <message>
        <source>... delete selected item from &quot;Macro&quot; list ...</source>
        <translation>... gewählten Eintrag aus der &quot;Makro&quot;-Liste löschen ...</translation>
    </message>
    <message>
        <source>... clear &quot;Macro&quot; list ...</source>
        <translation>... &quot;Makro&quot;-Liste leeren ...</translation>
    </message>
    <message>
        <source>... add to &quot;Macro&quot; list ...</source>
        <translation>... zur &quot;Makro&quot;-Liste hinzufügen ...</translation>
    </message>
    <message>
        <source>... update and close ...</source>
        <translation>... übernehmen und schließen ...</translation>
    </message>
    <message>
        <source>... &quot;Macro&quot; list ...</source>
        <translation>... &quot;Makro&quot;-Liste ...</translation>
    </message>
    <message>
        <source>... number of items in &quot;Macro&quot; list ...</source>
        <translation>... Anzahl der Einträge in der &quot;Makro&quot;-Liste ...</translation>
    </message>
    <message>
        <source>... Preview FileName from &quot;Macros&quot; ...</source>
        <translation>... Vorschau des Dateinamens aus &quot;Makros&quot; ...</translation>
    </message>
    <message>
        <source>... RightClick to set path ...<byte value="xd"/>...     DblClick to Run      ...</source>
        <translation>... Rechtsklick: Pfad wählen ...<byte value="xd"/>...   Doppelklick: Abspielen   ...</translation>
    </message>
</context>
<context>
    <name>TAboutWindow</name>
    <message>
        <source>Created by ...</source>
        <translation>Erstellt von ...</translation>
    </message>
    <message>
        <source>Programming :  the Cantrel developers</source>
        <translation>Programmierung :  die Cantrel-Entwickler</translation>
    </message>
    <message>
        <source>Design and Graphics :  the Cantrel developers</source>
        <translation>Gestaltung und Grafik :  die Cantrel-Entwickler</translation>
    </message>
    <message>
        <source>MPEG analysis :  TMPEGAudio (2026)
by the Cantrel developers
</source>
        <translation>MPEG-Analyse :  TMPEGAudio (2026)
von den Cantrel-Entwicklern
</translation>
    </message>
    <message>
        <source>Velmor Group
</source>
        <translation>Velmor Group
</translation>
    </message>
    <message>
        <source>e-mail to ...</source>
        <translation>E-Mail an ...</translation>
    </message>
    <message>
        <source>visit our Home Page ...</source>
        <translation>unsere Homepage besuchen ...</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>TCommandStrip</name>
    <message>
        <source>&amp;Macro</source>
        <translation>&amp;Makro</translation>
    </message>
    <message>
        <source>C&amp;lear Tags</source>
        <translation>Tags &amp;löschen</translation>
    </message>
    <message>
        <source>  &amp;Write ID3 Tag</source>
        <translation>  ID3-Tag &amp;schreiben</translation>
    </message>
    <message>
        <source>  &amp;Set File Name</source>
        <translation>  &amp;Dateinamen setzen</translation>
    </message>
    <message>
        <source>  &amp;Name to ID3</source>
        <translation>  &amp;Name nach ID3</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>... Clear ID3 Tag in File(s) ...</source>
        <translation>... ID3-Tag in Datei(en) löschen ...</translation>
    </message>
    <message>
        <source>... Write ID3 Tag in File(s) ...</source>
        <translation>... ID3-Tag in Datei(en) schreiben ...</translation>
    </message>
    <message>
        <source>... Set FileName from Macros ...</source>
        <translation>... Dateinamen aus Makros setzen ...</translation>
    </message>
    <message>
        <source>... Set ID3 Tag from FileName ...</source>
        <translation>... ID3-Tag aus Dateinamen setzen ...</translation>
    </message>
    <message>
        <source>... Generate HTML Files with Songs and ID3 Tags ...</source>
        <translation>... HTML-Dateien mit Titeln und ID3-Tags erzeugen ...</translation>
    </message>
    <message>
        <source>... Insert Macro for FileName ...</source>
        <translation>... Makro für den Dateinamen eingeben ...</translation>
    </message>
    <message>
        <source>... Preview FileName from Macros ...</source>
        <translation>... Vorschau des Dateinamens aus Makros ...</translation>
    </message>
    <message>
        <source>... Select / Edit - Macro ...</source>
        <translation>... Makro wählen / bearbeiten ...</translation>
    </message>
    <message>
        <source>... Total Chars of &quot;File Name&quot; ...</source>
        <translation>... Zeichenzahl des &quot;Dateinamens&quot; ...</translation>
    </message>
</context>
<context>
    <name>TErrorWindow</name>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Errors Found ...</source>
        <translation>Fehler gefunden ...</translation>
    </message>
    <message>
        <source>Errors Found (files not processed correctly) :  %1</source>
        <translation>Fehler gefunden (Dateien nicht richtig verarbeitet) :  %1</translation>
    </message>
    <message>
        <source>Errors Found (BitRate Warning) :  %1</source>
        <translation>Fehler gefunden (Bitraten-Warnung) :  %1</translation>
    </message>
    <message>
        <source>Errors Found (BitRate Warning) : %1</source>
        <translation>Fehler gefunden (Bitraten-Warnung) : %1</translation>
    </message>
</context>
<context>
    <name>TExtractionWindow</name>
    <message>
        <source>1 Item in List</source>
        <translation>1 Eintrag in der Liste</translation>
    </message>
    <message>
        <source>%1 Items in List</source>
        <translation>%1 Einträge in der Liste</translation>
    </message>
    <message>
        <source>Attention !</source>
        <translation>Achtung !</translation>
    </message>
    <message>
        <source>Delete : %1 ?</source>
        <translation>Löschen : %1 ?</translation>
    </message>
    <message>
        <source>Clear Formula List ?</source>
        <translation>Formelliste leeren ?</translation>
    </message>
    <message>
        <source>Hide &amp;Path</source>
        <translation>&amp;Pfad ausblenden</translation>
    </message>
    <message>
        <source>Show &amp;Path</source>
        <translation>&amp;Pfad zeigen</translation>
    </message>
    <message>
        <source> Preserve other &amp;TAG</source>
        <translation> Übrige &amp;Tags behalten</translation>
    </message>
    <message>
        <source> CLEAR other &amp;TAG</source>
        <translation> Übrige &amp;Tags LÖSCHEN</translation>
    </message>
    <message>
        <source>[ File Name ]   to   [ ID3 Tag ]</source>
        <translation>[ Dateiname ]   nach   [ ID3-Tag ]</translation>
    </message>
    <message>
        <source>[ %1 / %2 ]</source>
        <translation>[ %1 / %2 ]</translation>
    </message>
    <message>
        <source>Replace ALL &quot;%1&quot; with &quot;%2&quot;.</source>
        <translation>ALLE &quot;%1&quot; durch &quot;%2&quot; ersetzen.</translation>
    </message>
    <message>
        <source>... Write ID3 TAG to ALL Files in Path ? ...</source>
        <translation>... ID3-TAG in ALLE Dateien im Pfad schreiben ? ...</translation>
    </message>
    <message>
        <source>... Write ID3 TAG to All SELECTED Files ? ...</source>
        <translation>... ID3-TAG in ALLE GEWÄHLTEN Dateien schreiben ? ...</translation>
    </message>
    <message>
        <source>Another job is running; try again when it is done.</source>
        <translation>Eine andere Aufgabe läuft; bitte erneut versuchen, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>_TRASH</source>
        <translation>_TRASH</translation>
    </message>
    <message>
        <source>Extracted TA&amp;G`s</source>
        <translation>&amp;Gewonnene Tags</translation>
    </message>
    <message>
        <source>All TAG`&amp;s</source>
        <translation>&amp;Alle Tags</translation>
    </message>
    <message>
        <source>Show &amp;Errors</source>
        <translation>&amp;Fehler zeigen</translation>
    </message>
    <message>
        <source>AutoT&amp;rim Spaces from TAG`s</source>
        <translation>Leerzeichen in Tags automatisch kü&amp;rzen</translation>
    </message>
    <message>
        <source>lo&amp;wer case</source>
        <translation>&amp;kleinbuchstaben</translation>
    </message>
    <message>
        <source>&amp;UPPER CASE</source>
        <translation>GROSS&amp;BUCHSTABEN</translation>
    </message>
    <message>
        <source>Capitalize &amp;First</source>
        <translation>&amp;Erster Buchstabe groß</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Kei&amp;ne</translation>
    </message>
    <message>
        <source>Replace in File Name [ALL] Item[s] in Lists ... </source>
        <translation>Im Dateinamen [ALLE] Einträge der Listen ersetzen ... </translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>with</source>
        <translation>durch</translation>
    </message>
    <message>
        <source>&amp;...</source>
        <translation>&amp;...</translation>
    </message>
    <message>
        <source>... Example ...</source>
        <translation>... Beispiel ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>Neu &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>Clear &amp;List</source>
        <translation>L&amp;iste leeren</translation>
    </message>
    <message>
        <source>[ 0 / 0 ]</source>
        <translation>[ 0 / 0 ]</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt;</source>
        <translation>&amp;&lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;&gt;&gt;</source>
        <translation>&amp;&gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Extraction text</source>
        <translation>Übernahmetext</translation>
    </message>
    <message>
        <source>Current file</source>
        <translation>Aktuelle Datei</translation>
    </message>
    <message>
        <source>Include or exclude the path</source>
        <translation>Pfad einbeziehen oder ausschließen</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Extracted tags</source>
        <translation>Gewonnene Tags</translation>
    </message>
    <message>
        <source>All tags</source>
        <translation>Alle Tags</translation>
    </message>
    <message>
        <source>Show extracted tags</source>
        <translation>Gewonnene Tags zeigen</translation>
    </message>
    <message>
        <source>Show all tags</source>
        <translation>Alle Tags zeigen</translation>
    </message>
    <message>
        <source>Show errors</source>
        <translation>Fehler zeigen</translation>
    </message>
    <message>
        <source>Preserve other tag</source>
        <translation>Übrige Tags behalten</translation>
    </message>
    <message>
        <source>Trim spaces</source>
        <translation>Leerzeichen kürzen</translation>
    </message>
    <message>
        <source>Lower case</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Upper case</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Capitalize</source>
        <translation>Erster Buchstabe groß</translation>
    </message>
    <message>
        <source>Case unchanged</source>
        <translation>Groß-/Kleinschreibung unverändert</translation>
    </message>
    <message>
        <source>With</source>
        <translation>Durch</translation>
    </message>
    <message>
        <source>Texts to replace</source>
        <translation>Zu ersetzende Texte</translation>
    </message>
    <message>
        <source>Replacement texts</source>
        <translation>Ersatztexte</translation>
    </message>
    <message>
        <source>Edit replace pairs</source>
        <translation>Ersetzungspaare bearbeiten</translation>
    </message>
    <message>
        <source>Replace in file name</source>
        <translation>Im Dateinamen ersetzen</translation>
    </message>
    <message>
        <source>Replace example</source>
        <translation>Beispiel für das Ersetzen</translation>
    </message>
    <message>
        <source>Formula list</source>
        <translation>Formelliste</translation>
    </message>
    <message>
        <source>Formulas in list</source>
        <translation>Formeln in der Liste</translation>
    </message>
    <message>
        <source>Add formula</source>
        <translation>Formel hinzufügen</translation>
    </message>
    <message>
        <source>Delete formula</source>
        <translation>Formel löschen</translation>
    </message>
    <message>
        <source>Clear formula list</source>
        <translation>Formelliste leeren</translation>
    </message>
    <message>
        <source>Current formula</source>
        <translation>Aktuelle Formel</translation>
    </message>
    <message>
        <source>File number</source>
        <translation>Dateinummer</translation>
    </message>
    <message>
        <source>Files to process</source>
        <translation>Zu bearbeitende Dateien</translation>
    </message>
    <message>
        <source>Previous file</source>
        <translation>Vorige Datei</translation>
    </message>
    <message>
        <source>Next file</source>
        <translation>Nächste Datei</translation>
    </message>
    <message>
        <source>Write tags</source>
        <translation>Tags schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Separator %1</source>
        <translation>Trennzeichen %1</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Feld %1</translation>
    </message>
</context>
<context>
    <name>TFileListMenu</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Copy ID3v&amp;2 to ID3v1</source>
        <translation>ID3v&amp;2 nach ID3v1 kopieren</translation>
    </message>
    <message>
        <source>&amp;Undo last batch</source>
        <translation>Letzten Stapel &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Undo &amp;history ...</source>
        <translation>Rückgängig-&amp;Verlauf ...</translation>
    </message>
    <message>
        <source>&amp;Undo last batch (%1)</source>
        <translation>Letzten Stapel &amp;rückgängig machen (%1)</translation>
    </message>
    <message>
        <source>Copy ID3v&amp;1 to ID3v2</source>
        <translation>ID3v&amp;1 nach ID3v2 kopieren</translation>
    </message>
</context>
<context>
    <name>THelpColumn</name>
    <message>
        <source>Tag ID:</source>
        <translation>Tag-Kennung:</translation>
    </message>
    <message>
        <source>%T%    - Title

%A%    - Artist

%ALB%  - Album

%TR%   - Track

%Y%    - Year

%CMNT% - Comment

%G%    - Genre

%M%    - Mode</source>
        <translation>%T%    - Titel

%A%    - Interpret

%ALB%  - Album

%TR%   - Track

%Y%    - Jahr

%CMNT% - Kommentar

%G%    - Genre

%M%    - Modus</translation>
    </message>
    <message>
        <source>Alignement:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>L - Left
R - Right
C - Centered
T - Trimmed</source>
        <translation>L - Links
R - Rechts
C - Zentriert
T - Gekürzt</translation>
    </message>
    <message>
        <source>Template Files:</source>
        <translation>Vorlagendateien:</translation>
    </message>
    <message>
        <source>_tags.htm
_songs.htm
 
from &apos;../HTML&apos;</source>
        <translation>_tags.htm
_songs.htm
 
aus &apos;../HTML&apos;</translation>
    </message>
    <message>
        <source>&amp;I</source>
        <translation>&amp;I</translation>
    </message>
    <message>
        <source>Show H&amp;int</source>
        <translation>H&amp;inweise</translation>
    </message>
    <message>
        <source>Show Hint</source>
        <translation>Hinweise zeigen</translation>
    </message>
    <message>
        <source>Show Extended Info</source>
        <translation>Erweiterte Hilfe zeigen</translation>
    </message>
    <message>
        <source>Hide Extended Info</source>
        <translation>Erweiterte Hilfe ausblenden</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Macros ...</source>
        <translation>Makros ...</translation>
    </message>
    <message>
        <source>------------------------------------------------------------------------
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
 v3.0.0 : &quot;Name To ID3&quot;: tags filled from file names through a
          &quot;TAG Formula&quot;, with a list of formulas and replace pairs.
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

   &lt;!-- begin_repetition --&gt;   start of the block written once per song
   &lt;!-- end_repetition --&gt;     end of that block
                               (each marker alone on its line, in _songs.htm)

------------------------------------------------------------------------

MACROS

 %&lt;tagid&gt;[,|: &lt;alignment&gt;][,|: &lt;length&gt;][, &lt;padchar&gt;]%

 - An item begins and ends with a percent sign: %T%.
 - Two percent signs with nothing or blanks between them give one
   percent sign: %% gives %.
 - Items don&apos;t nest; a percent sign without its closing one ends the
   text with &quot;&lt;&lt;&lt;ERROR!!! No end of item definition!&gt;&gt;&gt;&quot;.
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
 M      Mode            12  L      Channel mode (&apos;Stereo&apos; / &apos;Joint-Stereo&apos;
                                   / &apos;Dual-Channel&apos; / &apos;Mono&apos;)
 S      Stereo           6  L      &apos;Stereo&apos; or &apos;Mono&apos;
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
   &quot;  [ %a,t% - %alb,t% ] - %t,t% - %g,t% - %y,t%&quot;
 gives
   &quot;  [ artist - album ] - title - genre - year&quot;

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
 a length of zero means the item&apos;s default length: %T,R,0% is the
 title right-aligned in 30 characters.

PADDING

 The pad character is given as the character itself, not its code:
 %TR,R,4,0% gives 0005 for track 5.
------------------------------------------------------------------------
</source>
        <translation>------------------------------------------------------------------------
                         Velmor Cantrel v3.x.x
------------------------------------------------------------------------

Versionen :

 v3.1.7 : Läuft auf Linux-Desktops. Tags werden in einer Codepage
          gelesen und geschrieben (Windows-1252, wenn nicht anders
          eingestellt); ein Umbenennen ersetzt nie eine vorhandene
          Datei; Dateinamen müssen nicht UTF-8 sein.
 v3.1.5 : Tastenliste; Hinweise lassen sich abschalten; die
          Hilfespalte lässt sich einklappen.
 v3.1.0 : HTML-Katalog: eine Seite je Titel und eine Titelliste,
          geschrieben nach den Vorlagen im Ordner HTML.
 v3.0.0 : &quot;Name nach ID3&quot;: Tags aus Dateinamen gefüllt über eine
          &quot;TAG-Formel&quot;, mit einer Liste von Formeln und Ersetzungen.
 v2.1.0 : Makroliste: Makros gespeichert, in der Vorschau gezeigt und
          übernommen.
 v2.0.0 : Dateinamen aus Tags über Makros gesetzt, auch in neue
          Unterordner; rekursive Suche in den Ordnern darunter.
 v1.1.0 : Warnungen zu Dateien außerhalb eines Bitratenbereichs;
          Fehlerliste.
 v1.0.0 : Erste öffentliche Version.

------------------------------------------------------------------------

HTML-Unterstützung

 Die Vorlagen liegen im Ordner HTML neben dem Programm. Beim Erzeugen
 eines Katalogs wird dieser Ordner als Ordner HTML in den gewählten
 Ordner kopiert und dort geschrieben:

   _songs.htm  die Titelliste, nach der Vorlage dieses Namens
   _tags.htm   die Vorlage der Seiten im Ordner Tags darunter,
               eine Seite je gelisteter Datei

 Reservierte Wörter, ersetzt in jeder Zeile einer Vorlage (jeweils
 beim ersten Vorkommen in der Zeile):

   title_from_tags      Titel
   artist_from_tags     Interpret
   album_from_tags      Album
   year_from_tags       Jahr
   comment_from_tags    Kommentar
   genre_from_tags      Genre
   tracknr_from_tags    Track-Nr.
   duration_from_tags   Spieldauer
   size_from_tags       Dateigröße
   version_from_tags    Version
   mode_from_tags       Modus
   bitrate_from_tags    Bitrate
   song_name_from_tags  Name des Titels aus dem Pfad
   songs_file_name      Name der erzeugten - tag.htm - Dateien
   var_date_time        Aktuelles Datum und Uhrzeit
   var_caption_header   Text der Kopfzeile
   var_copyright        Copyright-Angabe

   &lt;!-- begin_repetition --&gt;   Anfang des Blocks, der je Titel einmal
                               geschrieben wird
   &lt;!-- end_repetition --&gt;     Ende dieses Blocks
                               (jede Marke allein in ihrer Zeile, in
                               _songs.htm)

------------------------------------------------------------------------

MAKROS

 %&lt;tagid&gt;[,|: &lt;alignment&gt;][,|: &lt;length&gt;][, &lt;padchar&gt;]%

 - Ein Element beginnt und endet mit einem Prozentzeichen: %T%.
 - Zwei Prozentzeichen mit nichts oder Leerzeichen dazwischen ergeben
   ein Prozentzeichen: %% ergibt %.
 - Elemente werden nicht verschachtelt; ein Prozentzeichen ohne
   schließendes beendet den Text mit
   &quot;&lt;&lt;&lt;ERROR!!! No end of item definition!&gt;&gt;&gt;&quot;.
 - Die Angaben werden durch Kommas getrennt; Ausrichtung und Länge
   auch durch einen Doppelpunkt. Vor dem Füllzeichen stehen immer drei
   Kommas: %T,L:12,,.%
 - Nur die Tag-ID ist nötig; sie darf klein geschrieben werden.
 - Das Füllzeichen ist ohne Angabe ein Leerzeichen (ASCII 32).
 - Eine Tag-ID, die kein Element nennt, wird nicht ersetzt: das
   Element bleibt genau wie geschrieben, mit den Prozentzeichen
   (%This is title,C,70%).
 - Eine Zahl als Tag-ID ergibt das Zeichen dieses Codes: %65% ergibt A.

 Kurz   Lang           Län  Ausr.  Beschreibung
 -----  -------------  ---  -----  ------------------------------------
 T      Title           30  L      Titel
 TR     Track            3  R      Tracknummer im Album (zweistellig)
 A      Artist          30  L      Interpret
 ALB    Album           35  L      Album
 Y      Year             4  L      Jahr
 CMNT   Comment         30  L      Kommentar
 G      Genre           25  L      Genre-Bezeichnung
 GNR    GenreNr          3  R      Genre-Nummer
 M      Mode            12  L      Kanalmodus (&apos;Stereo&apos; / &apos;Joint-Stereo&apos;
                                   / &apos;Dual-Channel&apos; / &apos;Mono&apos;)
 S      Stereo           6  L      &apos;Stereo&apos; oder &apos;Mono&apos;
 V      Version          3  L      MPEG-Version
 LY     Layer            3  L      Layer-Name
 LYN    LayerNr          1  L      Layer-Nummer
 BR     BitRate          3  R      Bitrate (kbit/s)
 SR     SampleRate       5  R      Abtastrate (Hz)
 SRK    SampleRateKb     4  R      Abtastrate (kHz, eine Nachkommastelle)
 FL     FrameLength      4  R      Framelänge (Bytes)
 D      Duration         4  R      Spieldauer (Sekunden)
 DC     DurationComma    5  R      Spieldauer, Tausender gruppiert
 DF     DurationForm     5  R      Spieldauer als mm:ss
 L      Length           9  R      Dateigröße (Bytes)
 LC     LengthComma     12  R      Dateigröße, Tausender gruppiert
 LK     LengthKb         6  R      Dateigröße (KB)
 LKC    LengthKbComma    8  R      Dateigröße (KB, gerundet, gruppiert)
 LM     LengthMb         5  R      Dateigröße (MB, eine Nachkommastelle)
 FN     FileName        40  L      Dateiname
 FP     FilePath        40  L      Ordner der Datei
 FD     FileDate        10  L      Dateidatum (dd.mm.yyyy)
 FT     FileTime         8  L      Dateizeit (hh:nn:ss)
 VL     VolumeLabel     11  L      Name des Datenträgers der Datei
 EP     ErrorProt        3  L      Fehlerschutz: Yes / No
 C      Copyright        3  L      Copyright-Kennung: Yes / No
 O      Original         3  L      Original-Kennung: Yes / No
 EP*    ErrorProt*       1  L      dieselben Kennungen als * oder Leerz.
 C*     Copyright*       1  L
 O*     Original*        1  L
 SL     Selected         3  L      Ausgewählt: Yes / No
 SL*    Selected*        3  L      Ausgewählt: * oder ein Leerzeichen
 SLN    SelectedNr       3  R      Auswahlmarke
 VD     Valid            3  L      Gültiger MPEG-Datenstrom: Yes / No
 VD*    Valid*           3  L      Gültig: * oder ein Leerzeichen
 NL     NewLine          2  L      Zeilenumbruch
 #      SoftNewLine      0  L      Nichts
 TB     Tab              1  L      Tabulatorzeichen

 Beispiel:
   &quot;  [ %a,t% - %alb,t% ] - %t,t% - %g,t% - %y,t%&quot;
 ergibt
   &quot;  [ Interpret - Album ] - Titel - Genre - Jahr&quot;

AUSRICHTUNG

 L - Left       der Wert, dann Füllzeichen
 R - Right      Füllzeichen, dann der Wert
 C - Centered   der Wert in der Mitte; ein ungerades Füllzeichen kommt
                nach rechts
 T - Trimmed    der Wert wie er ist, gleich welcher Länge
 Ohne Ausrichtung (oder mit einem anderen Buchstaben) nimmt das Element
 seine Standardausrichtung und Standardlänge: %T% hat immer 30 Zeichen.

LÄNGE

 Längere Daten werden auf die Länge gekürzt, ihre ersten Zeichen
 bleiben (auch bei R und C). Eine Ausrichtung ohne Länge gibt die
 Daten wie sie sind; eine Länge von null bedeutet die Standardlänge
 des Elements: %T,R,0% ist der Titel rechtsbündig in 30 Zeichen.

FÜLLZEICHEN

 Das Füllzeichen wird als Zeichen selbst angegeben, nicht als Code:
 %TR,R,4,0% ergibt 0005 für Track 5.
------------------------------------------------------------------------
</translation>
    </message>
</context>
<context>
    <name>THtmlWindow</name>
    <message>
        <source>Text for Header File</source>
        <translation>Text für die Kopfdatei</translation>
    </message>
    <message>
        <source>Text for Footer File</source>
        <translation>Text für die Fußdatei</translation>
    </message>
    <message>
        <source>Copyright String</source>
        <translation>Copyright-Text</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Repear Number = Total Songs In Path</source>
        <translation>Wiederholungen = alle Titel im Pfad</translation>
    </message>
    <message>
        <source>Repeat Number Is Custom :</source>
        <translation>Eigene Zahl der Wiederholungen :</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Header String :</source>
        <translation>Kopftext :</translation>
    </message>
    <message>
        <source>Footer String :</source>
        <translation>Fußtext :</translation>
    </message>
    <message>
        <source>Copyright String :</source>
        <translation>Copyright-Text :</translation>
    </message>
    <message>
        <source>( %1 )</source>
        <translation>( %1 )</translation>
    </message>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>%1 kann nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>Attention !</source>
        <translation>Achtung !</translation>
    </message>
    <message>
        <source>Set Path for HTML Generation</source>
        <translation>Pfad für die HTML-Erzeugung wählen</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Text Files ( *.txt )</source>
        <translation>Textdateien ( *.txt )</translation>
    </message>
    <message>
        <source>HTM Files ( *.htm )</source>
        <translation>HTM-Dateien ( *.htm )</translation>
    </message>
    <message>
        <source>HTML Files ( *.html )</source>
        <translation>HTML-Dateien ( *.html )</translation>
    </message>
    <message>
        <source>SHTML Files ( *.shtml )</source>
        <translation>SHTML-Dateien ( *.shtml )</translation>
    </message>
    <message>
        <source>DHTML Files ( *.dhtml )</source>
        <translation>DHTML-Dateien ( *.dhtml )</translation>
    </message>
    <message>
        <source>PHP3 Files ( *.php3 )</source>
        <translation>PHP3-Dateien ( *.php3 )</translation>
    </message>
    <message>
        <source>All Files ( *.* )</source>
        <translation>Alle Dateien ( *.* )</translation>
    </message>
</context>
<context>
    <name>TLossyQuestion</name>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>%1 files have characters the code page cannot hold: write them with &apos;?&apos;?</source>
        <translation>%1 Dateien enthalten Zeichen, die die Codepage nicht fassen kann: mit &apos;?&apos; schreiben?</translation>
    </message>
    <message>
        <source>Attention !</source>
        <translation>Achtung !</translation>
    </message>
</context>
<context>
    <name>TMacroListWindow</name>
    <message>
        <source>Select / Add / Delete - Macro`s</source>
        <translation>Makros wählen / hinzufügen / löschen</translation>
    </message>
    <message>
        <source>No Macro in List</source>
        <translation>Kein Makro in der Liste</translation>
    </message>
    <message>
        <source>1 Macro in List</source>
        <translation>1 Makro in der Liste</translation>
    </message>
    <message>
        <source>%1 Macros in List</source>
        <translation>%1 Makros in der Liste</translation>
    </message>
    <message>
        <source>Attention !</source>
        <translation>Achtung !</translation>
    </message>
    <message>
        <source>Delete : %1 ?</source>
        <translation>Löschen : %1 ?</translation>
    </message>
    <message>
        <source>Clear Macro List ?</source>
        <translation>Makroliste leeren ?</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <source>Select Path to MP3 Files to Process ...</source>
        <translation>Pfad der zu bearbeitenden MP3-Dateien wählen ...</translation>
    </message>
    <message>
        <source>... Enable/Disable Editing Title ...</source>
        <translation>... Bearbeiten des Titels ein/aus ...</translation>
    </message>
    <message>
        <source>... Enable/Disable Editing Artist ...</source>
        <translation>... Bearbeiten des Interpreten ein/aus ...</translation>
    </message>
    <message>
        <source>... Enable/Disable Editing Album ...</source>
        <translation>... Bearbeiten des Albums ein/aus ...</translation>
    </message>
    <message>
        <source>... Enable/Disable Editing Year ...</source>
        <translation>... Bearbeiten des Jahres ein/aus ...</translation>
    </message>
    <message>
        <source>... Enable/Disable Editing Comment ...</source>
        <translation>... Bearbeiten des Kommentars ein/aus ...</translation>
    </message>
    <message>
        <source>... Enable/Disable Editing Genre ...</source>
        <translation>... Bearbeiten des Genres ein/aus ...</translation>
    </message>
    <message>
        <source>... Errors Found (RighrClick to Clear) ...</source>
        <translation>... Fehler gefunden (Rechtsklick zum Leeren) ...</translation>
    </message>
    <message>
        <source>... Write ID3 TAG to ALL Files in Path ? ...</source>
        <translation>... ID3-TAG in ALLE Dateien im Pfad schreiben ? ...</translation>
    </message>
    <message>
        <source>... Write ID3 TAG to ALL SELECTED Files ? ...</source>
        <translation>... ID3-TAG in ALLE GEWÄHLTEN Dateien schreiben ? ...</translation>
    </message>
    <message>
        <source>... Clear ID3 TAG to ALL Files in Path ? ...</source>
        <translation>... ID3-TAG in ALLEN Dateien im Pfad löschen ? ...</translation>
    </message>
    <message>
        <source>... Clear ID3 TAG to ALL SELECTED Files ? ...</source>
        <translation>... ID3-TAG in ALLEN GEWÄHLTEN Dateien löschen ? ...</translation>
    </message>
    <message>
        <source>... Write File Name to ALL Files in Path ? ...</source>
        <translation>... Dateinamen für ALLE Dateien im Pfad schreiben ? ...</translation>
    </message>
    <message>
        <source>... Write File Name to All SELECTED Files ? ...</source>
        <translation>... Dateinamen für ALLE GEWÄHLTEN Dateien schreiben ? ...</translation>
    </message>
    <message>
        <source>Attention !</source>
        <translation>Achtung !</translation>
    </message>
    <message>
        <source>Waiting ...</source>
        <translation>Bitte warten ...</translation>
    </message>
    <message>
        <source>Errors Found in &quot;Extraction TAG Formula&quot; !</source>
        <translation>Fehler in der &quot;TAG-Übernahmeformel&quot; gefunden !</translation>
    </message>
    <message>
        <source>Error renaming file   

%1
  to  
%2</source>
        <translation>Fehler beim Umbenennen der Datei   

%1
  in  
%2</translation>
    </message>
    <message>
        <source>Files with an ID3v2 tag: %1 of %2</source>
        <translation>Dateien mit ID3v2-Tag: %1 von %2</translation>
    </message>
    <message>
        <source>... Copy ID3v2 TAG to ID3v1 TAG ? ...

</source>
        <translation>... ID3v2-TAG in ID3v1-TAG kopieren ? ...

</translation>
    </message>
    <message>
        <source>*** HIDDEN ***</source>
        <translation>*** VERBORGEN ***</translation>
    </message>
    <message>
        <source> Apply To Whole &amp;Path ...</source>
        <translation> Auf ganzen &amp;Pfad anwenden ...</translation>
    </message>
    <message>
        <source>&amp;P</source>
        <translation>&amp;P</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist: no folder was opened.</source>
        <translation>&quot;%1&quot; gibt es nicht: kein Ordner wurde geöffnet.</translation>
    </message>
    <message>
        <source>The settings file could not be read. It has been kept as
%1
and Cantrel starts with the settings it could read from it, the others at their defaults.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden. Sie wurde als
%1
aufbewahrt, und Cantrel startet mit den Einstellungen, die sich daraus lesen ließen, die übrigen mit ihren Vorgaben.</translation>
    </message>
    <message>
        <source>the last batch</source>
        <translation>den letzten Stapel</translation>
    </message>
    <message>
        <source>batch %1</source>
        <translation>Stapel %1</translation>
    </message>
    <message>
        <source>... Undo %1 (%2) ? ...

Every file it changed gets its old tag and name back; a file changed since then is left as it is.</source>
        <translation>... %1 (%2) rückgängig machen ? ...

Jede davon geänderte Datei erhält ihr altes Tag und ihren alten Namen zurück; eine seither geänderte Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Undo history</source>
        <translation>Rückgängig-Verlauf</translation>
    </message>
    <message>
        <source>Another job is running; try again when it is done.</source>
        <translation>Eine andere Aufgabe läuft; bitte erneut versuchen, wenn sie fertig ist.</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Dateien: %1</translation>
    </message>
    <message>
        <source>... Copy ID3v1 TAG to ID3v2 TAG ? ...

</source>
        <translation>... ID3v1-TAG in ID3v2-TAG kopieren ? ...

</translation>
    </message>
</context>
<context>
    <name>TReplaceDialog</name>
    <message>
        <source>Replace In Name ...</source>
        <translation>Im Namen ersetzen ...</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>with</source>
        <translation>durch</translation>
    </message>
    <message>
        <source>Text to replace</source>
        <translation>Zu ersetzender Text</translation>
    </message>
    <message>
        <source>With</source>
        <translation>Durch</translation>
    </message>
    <message>
        <source>Replacement text</source>
        <translation>Ersatztext</translation>
    </message>
    <message>
        <source>&amp;Add ...</source>
        <translation>&amp;Hinzufügen ...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with what ?</source>
        <translation>Womit soll &quot;%1&quot; ersetzt werden ?</translation>
    </message>
    <message>
        <source>Replace what with &quot;%1&quot; ?</source>
        <translation>Was soll durch &quot;%1&quot; ersetzt werden ?</translation>
    </message>
</context>
<context>
    <name>TScanModeBar</name>
    <message>
        <source>...Scanning...</source>
        <translation>...Durchsuchen...</translation>
    </message>
    <message>
        <source>Rec&amp;ursive Scan</source>
        <translation>Rek&amp;ursive Suche</translation>
    </message>
    <message>
        <source>Normal Scan - &amp;U</source>
        <translation>Normale Suche - &amp;U</translation>
    </message>
</context>
<context>
    <name>TSettingsWindow</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source> On multiple files select, disable : </source>
        <translation> Bei Auswahl mehrerer Dateien sperren : </translation>
    </message>
    <message>
        <source> General : </source>
        <translation> Allgemein : </translation>
    </message>
    <message>
        <source>Limit &amp;FileName to 64 chars (for CD)</source>
        <translation>&amp;Dateinamen auf 64 Zeichen begrenzen (für CD)</translation>
    </message>
    <message>
        <source>... Clear &apos;Recent &amp;Paths&apos; List ...</source>
        <translation>... Liste &apos;Letzte &amp;Pfade&apos; leeren ...</translation>
    </message>
    <message>
        <source> BitRate : </source>
        <translation> Bitrate : </translation>
    </message>
    <message>
        <source>&amp;Warning if BitRate is :</source>
        <translation>&amp;Warnen, wenn die Bitrate :</translation>
    </message>
    <message>
        <source>below</source>
        <translation>unter</translation>
    </message>
    <message>
        <source>or higher than</source>
        <translation>oder über</translation>
    </message>
    <message>
        <source>KBit/s</source>
        <translation>KBit/s</translation>
    </message>
    <message>
        <source>... NOT a&amp;dd these files when search</source>
        <translation>... diese Dateien beim Suchen NICHT hin&amp;zufügen</translation>
    </message>
    <message>
        <source> ID3 Tags : </source>
        <translation> ID3-Tags : </translation>
    </message>
    <message>
        <source>Code Pag&amp;e :</source>
        <translation>Code&amp;page :</translation>
    </message>
    <message>
        <source>Are you shure ...</source>
        <translation>Sind Sie sicher ...</translation>
    </message>
    <message>
        <source>... to CLEAR &quot;Recent Paths&quot; List ?</source>
        <translation>... die Liste &quot;Letzte Pfade&quot; LEEREN ?</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Title         [disabled]</source>
        <translation>&amp;Titel         [gesperrt]</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Interpret</translation>
    </message>
    <message>
        <source>&amp;Artist        [disabled]</source>
        <translation>&amp;Interpret     [gesperrt]</translation>
    </message>
    <message>
        <source>Al&amp;bum</source>
        <translation>Al&amp;bum</translation>
    </message>
    <message>
        <source>Al&amp;bum         [disabled]</source>
        <translation>Al&amp;bum         [gesperrt]</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>&amp;Year          [disabled]</source>
        <translation>&amp;Jahr          [gesperrt]</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>Ko&amp;mmentar</translation>
    </message>
    <message>
        <source>Co&amp;mment       [disabled]</source>
        <translation>Ko&amp;mmentar     [gesperrt]</translation>
    </message>
    <message>
        <source>&amp;Genre</source>
        <translation>&amp;Genre</translation>
    </message>
    <message>
        <source>&amp;Genre         [disabled]</source>
        <translation>&amp;Genre         [gesperrt]</translation>
    </message>
    <message>
        <source>Track N&amp;r.</source>
        <translation>Track-N&amp;r.</translation>
    </message>
    <message>
        <source>Track N&amp;r.     [disabled]</source>
        <translation>Track-N&amp;r.     [gesperrt]</translation>
    </message>
    <message>
        <source>Also write the ID3v&amp;2 tag</source>
        <translation>Auch den ID3v&amp;2-Tag schreiben</translation>
    </message>
</context>
<context>
    <name>TShortcutListWindow</name>
    <message>
        <source>buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Clear Tags</source>
        <translation>Tags löschen</translation>
    </message>
    <message>
        <source>Write ID3 Tags</source>
        <translation>ID3-Tags schreiben</translation>
    </message>
    <message>
        <source>Set File Name</source>
        <translation>Dateinamen setzen</translation>
    </message>
    <message>
        <source>Name To ID3</source>
        <translation>Name nach ID3</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Show Errors</source>
        <translation>Fehler zeigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Mail to ...</source>
        <translation>E-Mail an ...</translation>
    </message>
    <message>
        <source>Home Page ...</source>
        <translation>Homepage ...</translation>
    </message>
    <message>
        <source>tag`s</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Track Nr</source>
        <translation>Track-Nr.</translation>
    </message>
    <message>
        <source>Enable/Disable Title</source>
        <translation>Titel ein/aus</translation>
    </message>
    <message>
        <source>Enable/Disable Artist</source>
        <translation>Interpret ein/aus</translation>
    </message>
    <message>
        <source>Enable/Disable Album</source>
        <translation>Album ein/aus</translation>
    </message>
    <message>
        <source>Enable/Disable Year</source>
        <translation>Jahr ein/aus</translation>
    </message>
    <message>
        <source>Enable/Disable Comment</source>
        <translation>Kommentar ein/aus</translation>
    </message>
    <message>
        <source>Enable/Disable Genre</source>
        <translation>Genre ein/aus</translation>
    </message>
    <message>
        <source>Enable/Disable Track</source>
        <translation>Track ein/aus</translation>
    </message>
    <message>
        <source>others</source>
        <translation>Weitere</translation>
    </message>
    <message>
        <source>Apply to Whole Path</source>
        <translation>Auf ganzen Pfad anwenden</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Text Macro</source>
        <translation>Textmakro</translation>
    </message>
    <message>
        <source>Show/Hide Hint</source>
        <translation>Hinweise zeigen/ausblenden</translation>
    </message>
    <message>
        <source>Show Comment Pannel (Left)</source>
        <translation>Hilfespalte zeigen (links)</translation>
    </message>
    <message>
        <source>Hide Comment Pannel (Left)</source>
        <translation>Hilfespalte ausblenden (links)</translation>
    </message>
    <message>
        <source>FileListBox2</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Normal Scan / Recursive Scan</source>
        <translation>Normale Suche / Rekursive Suche</translation>
    </message>
    <message>
        <source>Limit FileName ...</source>
        <translation>Dateinamen begrenzen ...</translation>
    </message>
    <message>
        <source>Clear &quot;Recent Paths&quot; List</source>
        <translation>Liste &quot;Letzte Pfade&quot; leeren</translation>
    </message>
    <message>
        <source>Warning BitRate ...</source>
        <translation>Bitraten-Warnung ...</translation>
    </message>
    <message>
        <source>... NOT add files ...</source>
        <translation>... Dateien NICHT hinzufügen ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select Separator 1 to 6</source>
        <translation>Trennzeichen 1 bis 6 wählen</translation>
    </message>
    <message>
        <source>Select Tag List 1 to 6</source>
        <translation>Tag-Liste 1 bis 6 wählen</translation>
    </message>
    <message>
        <source>&apos;&lt;&lt;&apos;</source>
        <translation>&apos;&lt;&lt;&apos;</translation>
    </message>
    <message>
        <source>&apos;&gt;&gt;&apos;</source>
        <translation>&apos;&gt;&gt;&apos;</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Neu hinzufügen</translation>
    </message>
    <message>
        <source>Add Items for &quot;Replace&quot; Function ...</source>
        <translation>Einträge für die &quot;Ersetzen&quot;-Funktion hinzufügen ...</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Capitalize First</source>
        <translation>Erster Buchstabe groß</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Extracted TAG`s</source>
        <translation>Gewonnene Tags</translation>
    </message>
    <message>
        <source>All TAG`s</source>
        <translation>Alle Tags</translation>
    </message>
    <message>
        <source>Preserve other TAG</source>
        <translation>Übrige Tags behalten</translation>
    </message>
    <message>
        <source>AutoTrim Spaces from TAG`s</source>
        <translation>Leerzeichen in Tags automatisch kürzen</translation>
    </message>
    <message>
        <source>Show/Hide Path</source>
        <translation>Pfad zeigen/ausblenden</translation>
    </message>
    <message>
        <source>Keys :</source>
        <translation>Tasten :</translation>
    </message>
    <message>
        <source>( Main Window )</source>
        <translation>( Hauptfenster )</translation>
    </message>
    <message>
        <source>( Settings Window )</source>
        <translation>( Einstellungsfenster )</translation>
    </message>
    <message>
        <source>( Name To ID3 Window)</source>
        <translation>( Fenster Name nach ID3 )</translation>
    </message>
    <message>
        <source>ShortCuts :</source>
        <translation>Tastenkürzel :</translation>
    </message>
</context>
<context>
    <name>TStreamInfoPanel</name>
    <message>
        <source>Duration Time
( hh : mm . ss )</source>
        <translation>Spieldauer
( hh : mm . ss )</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Frame Length</source>
        <translation>Framelänge</translation>
    </message>
</context>
<context>
    <name>TTagBoxes</name>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Artist</source>
        <translation>&amp;Interpret</translation>
    </message>
    <message>
        <source>Al&amp;bum</source>
        <translation>Al&amp;bum</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>&amp;Comment</source>
        <translation>&amp;Kommentar</translation>
    </message>
    <message>
        <source>&amp;Genre</source>
        <translation>&amp;Genre</translation>
    </message>
    <message>
        <source>Track N&amp;r</source>
        <translation>Track-N&amp;r</translation>
    </message>
    <message>
        <source>ID3v2</source>
        <translation>ID3v2</translation>
    </message>
    <message>
        <source>The ID3v1 and the ID3v2 tag disagree here</source>
        <translation>Der ID3v1- und der ID3v2-Tag weichen hier voneinander ab</translation>
    </message>
    <message>
        <source>ID3v2 %1</source>
        <translation>ID3v2 %1</translation>
    </message>
    <message>
        <source>no ID3v2 tag</source>
        <translation>kein ID3v2-Tag</translation>
    </message>
</context>
<context>
    <name>TToolStrip</name>
    <message>
        <source>Path :</source>
        <translation>Pfad :</translation>
    </message>
    <message>
        <source>File :</source>
        <translation>Datei :</translation>
    </message>
    <message>
        <source>... Current Path ...</source>
        <translation>... aktueller Pfad ...</translation>
    </message>
    <message>
        <source>... Last File Selected ...</source>
        <translation>... zuletzt gewählte Datei ...</translation>
    </message>
    <message>
        <source>... About ...</source>
        <translation>... Über ...</translation>
    </message>
    <message>
        <source>... Open ...</source>
        <translation>... Öffnen ...</translation>
    </message>
    <message>
        <source>... Macros Help ...</source>
        <translation>... Hilfe zu Makros ...</translation>
    </message>
    <message>
        <source>... Show Errors ...</source>
        <translation>... Fehler zeigen ...</translation>
    </message>
    <message>
        <source>... Settings ...</source>
        <translation>... Einstellungen ...</translation>
    </message>
    <message>
        <source>... ShortCuts ...</source>
        <translation>... Tastenkürzel ...</translation>
    </message>
    <message>
        <source>... Go to &quot;Velmor Group&quot; Home page ...</source>
        <translation>... Zur Homepage der &quot;Velmor Group&quot; ...</translation>
    </message>
    <message>
        <source>... Mail to &quot;Velmor Group&quot; ...</source>
        <translation>... E-Mail an die &quot;Velmor Group&quot; ...</translation>
    </message>
</context>
<context>
    <name>TUndoHistoryWindow</name>
    <message>
        <source>Undo history</source>
        <translation>Rückgängig-Verlauf</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
</TS>
