#include "cli/command_options.h"

namespace {

constexpr std::string_view FileAfterDashes =
    "end of options: a FILE that starts with \"-\" follows";
constexpr std::string_view MacroAfterDashes =
    "end of options: a MACRO that starts with \"-\" follows";
constexpr std::string_view Id3v2WriteHelp =
    "also write the given fields into the ID3v2 tag at the head of the file\n"
    "(a new 2.4 tag when it has none; its other frames stay)";
constexpr std::string_view MacroHint = " (put -- before a MACRO that starts with '-')";

std::vector<TCommandSyntax> MakeSyntaxes()
{
    std::vector<TCommandSyntax> syntaxes;
    syntaxes.push_back({
        .Name = "info",
        .Synopsis = "[--json] FILE...",
        .Summary = "analyse MP3 files: stream data, tag and file facts",
        .Intro = "Analyses each file as the editor does and prints its stream data, tag and file\n"
                 "facts: key=value lines, one block per file with an empty line between blocks,\n"
                 "or with --json one JSON array. Booleans are 0 or 1; duration is in seconds;\n"
                 "fileage is the packed DOS date and time of the last write. The id3v2_ lines\n"
                 "give the seven fields of the file's ID3v2 tag as it holds them (empty when\n"
                 "absent); in JSON the id3v2 object has null for an absent field and is null for\n"
                 "a file without an ID3v2 tag.",
        .Outro = "In key=value lines a value is always one line: a backslash is written \\\\, a\n"
                 "line feed \\n, a tab \\t and any other control character \\xHH.",
        .AfterDashes = FileAfterDashes,
        .Options = {{"--json", "", "print one JSON array of objects instead"}},
        .TakesCodePage = true,
    });
    syntaxes.push_back({
        .Name = "format",
        .Synopsis = "[--json] [--locale C] MACRO FILE...",
        .Summary = "expand a file-name macro for each file",
        .Intro = "Expands the file-name macro MACRO for each FILE and prints one line per file.",
        .Outro = "Example: cantrel-cli format '%A,t% - %T,t%' *.mp3",
        .AfterDashes = MacroAfterDashes,
        .Options = {{"--json", "",
                     "print a JSON array of strings instead (keeps CR, LF and tabs readable)"},
                    {"--locale", "C",
                     "use the default regional settings (\",\" thousands, \".\" decimals,\n"
                     "\":\" in times) instead of those of the current locale",
                     "--locale needs a value (only C is supported)", "C"}},
        .TakesCodePage = true,
        .UnknownHint = MacroHint,
    });
    syntaxes.push_back({
        .Name = "ls",
        .Synopsis = "[--recursive] [--mask MASK] [--events] [--json] FOLDER",
        .Summary = "list the files a folder scan reports",
        .Intro = "Lists the full path of every file a folder scan reports, one a line, in report\n"
                 "order: names sorted ignoring case, a folder's files before its subfolders.",
        .Outro = "Paths are written as the file system holds them, byte for byte. The exit status\n"
                 "is 1 when FOLDER cannot be read (it is missing, not a folder or not readable),\n"
                 "2 on a usage error.",
        .AfterDashes = "end of options: a FOLDER that starts with \"-\" follows",
        .Options = {{"-r,--recursive", "",
                     "also scan every folder below FOLDER (links to folders are not followed)"},
                    {"--mask", "MASK",
                     "extension masks such as \"*.mp3;*.ogg\" (default \"*.mp3\");\n"
                     "\",\", \";\" and \"|\" separate them; only \"*.ext\" masks count",
                     "--mask needs a value such as \"*.mp3\""},
                    {"--events", "",
                     "print every event: \"dir-found PATH\", \"file PATH\", \"dir-done PATH\""},
                    {"--json", "",
                     "print a JSON array of the paths instead (with --events of objects with\n"
                     "the keys event and path)"}},
        .Operands = TOperandKind::Folder,
    });
    syntaxes.push_back({
        .Name = "extract",
        .Synopsis = "[OPTIONS] FILE...",
        .Summary = "fill tags from file names with a TAG Formula",
        .Intro = "Fill ID3v1 tags from file names with a TAG Formula: up to six separators, each\n"
                 "followed by the tag field that the text after it fills. Without --write nothing\n"
                 "is changed.",
        .Outro =
            "An empty first separator, or \"%NONE\", starts the first field at the beginning of\n"
            "the text; an empty later separator, or \"%END\", ends the formula: the field before\n"
            "it runs to the end of the name less a four-character extension (\".mp3\").\n"
            "\n"
            "Each file gives one block: the extracted fields, the formula as far as it was used,\n"
            "the tag as it would be written, and whether every field was found.\n"
            "\n"
            "Texts are stored in the code page of --codepage (default WINDOWS-1252), one byte\n"
            "per character. A file whose new texts have characters that code page cannot hold\n"
            "(Cyrillic in WINDOWS-1252, say) is not written (\"Write: unencodable\") unless\n"
            "--lossy is given.\n"
            "\n"
            "Exit status: 0 done; 1 with --write when a file was not processed correctly or\n"
            "could not be written; 2 on a usage error (nothing is written).",
        .AfterDashes = FileAfterDashes,
        .Options = {{"--sep", "TEXT", "the next separator, up to six in order; may be empty"},
                    {"--field",
                     "NAME",
                     "the next field, up to six in order: Track, Artist, Album, Title,\n"
                     "Year, Comment or _TRASH (any case); a field not given is the one\n"
                     "at its place in Track, Artist, Album, Title, Year, Comment",
                     {},
                     "Track Artist Album Title Year Comment _TRASH"},
                    {"--path", "",
                     "run on the path without its root instead of the file name alone"},
                    {"--clear", "",
                     "empty title, artist, album, year and comment before writing\n"
                     "(default: keep the fields the formula does not set)"},
                    {"--case",
                     "MODE",
                     "none (default), lower, upper or capitalize (any case)",
                     {},
                     "none lower upper capitalize"},
                    {"--trim", "",
                     "remove leading and trailing spaces and control characters\nfrom every value"},
                    {"--replace", "WHAT=WITH",
                     "replace WHAT with WITH in every value (split at the first \"=\");\n"
                     "repeatable, applied in order (default: \"_\" with \" \")"},
                    {"--write", "", "write the tags"},
                    {"--id3v2", "", "with --write, also write the fields into the ID3v2 tag"},
                    {"--lossy", "", "write characters the code page cannot hold as \"?\""},
                    {"--json", "",
                     "print a JSON array of objects with the keys file, text, extracted,\n"
                     "formula, tags, check and (with --write) write"}},
        .TakesCodePage = true,
    });
    syntaxes.push_back({
        .Name = "html",
        .Synopsis = "[--templates DIR] --target DIR FILE...",
        .Summary = "write an HTML catalogue of the files",
        .Intro =
            "Writes an HTML catalogue of the files, in the order given. The template folder is\n"
            "copied to TARGET/HTML/ (subfolders and hidden files included), one page per file\n"
            "is written to TARGET/HTML/Tags/ from the template _tags.htm, and the list of all\n"
            "songs replaces TARGET/HTML/_songs.htm, made from the template _songs.htm.",
        .Outro =
            "Prints the path of the songs page when it was written. Progress goes to standard\n"
            "error, one line per file.\n"
            "\n"
            "Exit status:\n"
            "  0  the catalogue is complete\n"
            "  1  the catalogue was written, but pages, templates or files failed (listed on\n"
            "     standard error)\n"
            "  2  usage error, a missing template folder, or a target whose HTML folder\n"
            "     overlaps the template folder (nothing is written then)",
        .AfterDashes = FileAfterDashes,
        .Options = {{"--templates", "DIR",
                     "the template folder (default: the HTML folder installed with Cantrel)",
                     "option '--templates' needs a folder", "<dir>"},
                    {"--target", "DIR",
                     "the folder that receives the HTML folder; made when missing",
                     "option '--target' needs a folder", "<dir>"}},
        .TakesCodePage = true,
    });
    syntaxes.push_back({
        .Name = "write",
        .Synopsis = "[--title T] [--artist A] [--album B] [--year Y] [--comment C]\n"
                    "       [--genre G] [--track N] [--id3v2] [--lossy] [--json] FILE...",
        .Summary = "write the given tag fields, keep the others",
        .Intro = "Writes the given fields into the ID3v1 tag of each FILE and keeps the others as\n"
                 "they are, as the main window writes its enabled boxes.",
        .Outro =
            "Texts are stored in the code page of --codepage (default WINDOWS-1252): one byte\n"
            "per character, so only the characters that code page has (for WINDOWS-1252 the\n"
            "ASCII characters and the Western European letters and signs) can be written.\n"
            "Without --lossy a text with any other character is not written.\n"
            "\n"
            "Prints \"FILE<TAB>STATUS\" per file: written, unencodable (a text has characters\n"
            "the code page cannot hold; the file is unchanged), changed (another program\n"
            "changed the file while the command ran; it is left as it is), not-audio (no MPEG\n"
            "audio found, so its tag was not read and is not written) or failed:ERRNO (2: no\n"
            "such file).\n"
            "Exit status: 0 every file written, 1 some file refused, 2 usage error (nothing\n"
            "written): also for a track or genre the tag cannot hold, or a year longer than 4\n"
            "characters.",
        .AfterDashes = FileAfterDashes,
        .Options = {{"--title", "T", "cut to 30 characters"},
                    {"--artist", "A", "cut to 30 characters"},
                    {"--album", "B", "cut to 30 characters"},
                    {"--year", "Y", "at most 4 characters"},
                    {"--comment", "C", "cut to 30 characters"},
                    {"--genre", "G",
                     "a genre number 0 to 255 or a genre name as listed (any case);\n"
                     "\"<unknown>\" writes \"Other\""},
                    {"--track", "N", "a number 0 to 255"},
                    {"--id3v2", "", Id3v2WriteHelp},
                    {"--lossy", "", "write characters the code page cannot hold as \"?\""},
                    {"--json", "", "print a JSON array of objects with the keys file and status"}},
        .TakesCodePage = true,
    });
    syntaxes.push_back({
        .Name = "clear",
        .Synopsis = "[--id3v2] [--json] FILE...",
        .Summary = "remove the tags",
        .Intro = "Removes the ID3v1 tag from the end of each FILE, whatever its audio.",
        .Outro =
            "Prints \"FILE<TAB>STATUS\" per file: cleared, unchanged (it had no tag) or\n"
            "failed:ERRNO (2: no such file).\n"
            "Exit status: 0 every file cleared or without a tag, 1 some file refused, 2 usage\n"
            "error.",
        .AfterDashes = FileAfterDashes,
        .Options = {{"--id3v2", "",
                     "also remove title, artist, album, year, comment, genre and track\n"
                     "from the ID3v2 tag at the head of the file; its other frames stay"},
                    {"--json", "", "print a JSON array of objects with the keys file and status"}},
    });
    syntaxes.push_back({
        .Name = "rename",
        .Synopsis = "[--limit-64] [--dry-run] [--json] MACRO FILE...",
        .Summary = "rename files from their tags with a macro",
        .Intro =
            "Renames each FILE to its folder, the file-name MACRO expanded for it, and\n"
            "\".mp3\". A \"\\\" or \"/\" typed in MACRO starts a subfolder, created when missing;\n"
            "one that comes from a value of the file (an artist \"AC/DC\") becomes \"-\". The\n"
            "new name always stays below the file's folder: an expansion that starts with\n"
            "\"/\" or \"\\\" is taken from that folder, and one with a \"..\" folder is refused.\n"
            "A file is never renamed over another one, only regular files are renamed, and\n"
            "an empty name (\".mp3\" alone) is refused.",
        .Outro = "Prints \"OLD<TAB>NEW<TAB>STATUS\" per file, STATUS one of: renamed, unchanged\n"
                 "(the new name is the present one), planned (--dry-run), too-long (--limit-64),\n"
                 "exists (another file has the new name), changed (another program changed the\n"
                 "file while the command ran; left as it is), failed:ERRNO (2: no such file;\n"
                 "22: not a regular file, an empty name or a \"..\" folder; 36: a name the file\n"
                 "system cannot hold).\n"
                 "Exit status: 0 every file done, 1 some file refused or failed, 2 usage error.\n"
                 "\n"
                 "Example: cantrel-cli rename '%a,t%\\%alb,t%\\%tr,t%. %t,t%' *.mp3",
        .AfterDashes = MacroAfterDashes,
        .Options = {{"--limit-64", "",
                     "refuse new names (extension included) longer than 64 characters"},
                    {"--dry-run", "",
                     "only say what would happen: nothing is touched, not even a\n"
                     "folder; a file the real run would refuse is refused alike"},
                    {"--json", "",
                     "print a JSON array of objects with the keys old, new and status"}},
        .TakesCodePage = true,
        .UnknownHint = MacroHint,
    });
    syntaxes.push_back({
        .Name = "copy-v2",
        .Synopsis = "[--dry-run] [--lossy] [--json] FILE...",
        .Summary = "write the ID3v1 tags from the ID3v2 tags",
        .Intro =
            "Writes the ID3v1 tag of each FILE from its ID3v2 tag: title, artist, album and\n"
            "comment cut to 30 characters, the year as the first four digits of the date, the\n"
            "track as the number before any \"/\" (0 to 255), the genre from \"(N)\", \"N\" or a\n"
            "genre name (any case). A field the ID3v2 tag lacks keeps the file's ID3v1 value.\n"
            "Only the ID3v1 tag at the end of the file is written; the ID3v2 tag and the audio\n"
            "are left as they are.",
        .Outro =
            "Prints \"FILE<TAB>STATUS\" per file, STATUS one of: written, unchanged (the ID3v1\n"
            "tag holds these values already), no-id3v2, planned (--dry-run), unencodable (a\n"
            "text has characters the code page of --codepage cannot hold, such as Cyrillic in\n"
            "WINDOWS-1252; the file is unchanged), changed (another program changed the file\n"
            "while the command ran; left as it is), not-audio (no MPEG audio found, so its tag\n"
            "was not read and is not written) or failed:ERRNO (2: no such file).\n"
            "Exit status: 0 no file refused, 1 some file refused, 2 usage error (nothing\n"
            "written).",
        .AfterDashes = FileAfterDashes,
        .Options = {{"--dry-run", "", "only say what would happen: nothing is written"},
                    {"--lossy", "", "write characters the code page cannot hold as \"?\""},
                    {"--json", "", "print a JSON array of objects with the keys file and status"}},
        .TakesCodePage = true,
    });
    syntaxes.push_back({
        .Name = "copy-v1",
        .Synopsis = "[--dry-run] [--json] FILE...",
        .Summary = "write the ID3v2 tags from the ID3v1 tags",
        .Intro =
            "Writes title, artist, album, year, comment, genre (by name) and track of the\n"
            "ID3v1 tag of each FILE into its ID3v2 tag, made as version 2.4 when the file has\n"
            "none. An empty ID3v1 field keeps the ID3v2 value, and so does a field in which\n"
            "the two tags agree (an ID3v2 title longer than ID3v1 holds, a full date). The\n"
            "ID3v2 tag keeps its version and every other frame (pictures, lyrics); the ID3v1\n"
            "tag and the audio are left as they are.",
        .Outro =
            "Prints \"FILE<TAB>STATUS\" per file, STATUS one of: written, unchanged (the ID3v2\n"
            "tag holds these values already), no-id3v1, planned (--dry-run), changed (another\n"
            "program changed the file while the command ran; left as it is), not-audio (no\n"
            "MPEG audio found) or failed:ERRNO (2: no such file; 31: a file with several hard\n"
            "links whose tag does not fit in place; 84: an ID3v2 tag that cannot be read).\n"
            "Exit status: 0 no file refused, 1 some file refused, 2 usage error (nothing\n"
            "written).",
        .AfterDashes = FileAfterDashes,
        .Options = {{"--dry-run", "", "only say what would happen: nothing is written"},
                    {"--json", "", "print a JSON array of objects with the keys file and status"}},
        .TakesCodePage = true,
    });
    syntaxes.push_back({
        .Name = "undo",
        .Synopsis = "[--list] [--dry-run] [--json] [N]",
        .Summary = "take back the last batch of changes (or batch N)",
        .Intro =
            "Takes back the newest batch of write, clear, rename, extract --write (or of the\n"
            "windows) not taken back yet, or batch N: each file the batch changed gets its\n"
            "old tag and name back, the last one first. Repeated, it steps back through the\n"
            "batches; undo N of an undo redoes. A file changed since the batch, or whose old\n"
            "name is taken again, is left as it is. The undo is a batch of its own and can be\n"
            "undone in turn. The last 20 batches are kept.",
        .Outro =
            "Prints \"PATH<TAB>OLDPATH<TAB>STATUS\" per file: PATH as the batch left it, OLDPATH\n"
            "where the undo puts it, STATUS undone (would-undo in a dry run), changed,\n"
            "name-taken or failed:ERRNO (2: no such file).\n"
            "Exit status: 0 every file put back, 1 some file refused, 2 usage error or nothing\n"
            "to undo.",
        .AfterDashes = "end of options",
        .Options = {{"--list", "",
                     "list the batches, newest first: NUMBER<TAB>TIME<TAB>KIND<TAB>FILES"},
                    {"--dry-run", "", "tell what the undo would do, change nothing"},
                    {"--json", "", "print a JSON array instead of lines"}},
        .Operands = TOperandKind::Nothing,
        .UnknownOption = "unexpected argument",
    });
    return syntaxes;
}

} // namespace

const std::vector<TCommandSyntax>& CommandSyntaxes()
{
    static const std::vector<TCommandSyntax> syntaxes = MakeSyntaxes();
    return syntaxes;
}

const TCommandSyntax* FindCommandSyntax(std::string_view name)
{
    for (const TCommandSyntax& syntax : CommandSyntaxes()) {
        if (syntax.Name == name) {
            return &syntax;
        }
    }
    return nullptr;
}
