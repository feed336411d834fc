#include "ui/main/tag_boxes.h"

#include "batch/tag_write.h"
#include "engine/id3v2_tag.h"
#include "engine/mpeg_audio.h"
#include "ui/components/named.h"
#include "workspace/display_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QStringList& GenreList()
{
    static const QStringList list = [] {
        QStringList entries;
        for (const auto& entry : GenreEntries()) {
            entries << QString::fromStdString(entry);
        }
        return entries;
    }();
    return list;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// How much of an ID3v2 text the column shows: a frame may hold far more than a line.
constexpr int ShownId3v2Length = 200;

// A box's text as the edit of its field: written only when the box is enabled.
TFieldText BoxText(TEditField field, const QWidget* box, const QString& text)
{
    return {field, text.toStdString(), box->isEnabled()};
}

} // namespace

TTagBoxes::TTagBoxes(QWidget* parent) : TPanel(parent)
{
    setObjectName(QStringLiteral("TagsPanel"));
    setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const char* boxNames[] = {"TitleBox", "ArtistBox", "AlbumBox", "YearBox", "CommentBox"};
    const int limits[] = {30, 30, 30, 4, 30};
    for (std::size_t i = 0; i < TextBoxes.size(); ++i) {
        auto* box = Named(new QComboBox(this), boxNames[i]);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setMaxLength(limits[i]);
        // the box hands its keys to its line edit directly, past any filter there
        box->installEventFilter(this);
        box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        TextBoxes[i] = box;
        Boxes[i] = box;
    }
    QComboBox* yearBox = TextBoxes[3];
    yearBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    yearBox->setMinimumWidth(70);
    GenreBox = Named(new QComboBox(this), "GenreBox");
    GenreBox->setEditable(true);
    GenreBox->setInsertPolicy(QComboBox::NoInsert);
    GenreBox->setMaxVisibleItems(20);
    GenreBox->installEventFilter(this);
    TrackBox = Named(new QLineEdit(this), "TrackBox");
    TrackBox->setInputMask(QStringLiteral("00;_"));
    TrackBox->setFixedWidth(40);
    Boxes[5] = GenreBox;
    Boxes[6] = TrackBox;

    const QString labels[] = {tr("&Title"),   tr("&Artist"), tr("Al&bum"),   tr("&Year"),
                              tr("&Comment"), tr("&Genre"),  tr("Track N&r")};
    const char* checkNames[] = {"TitleCheck",   "ArtistCheck", "AlbumCheck", "YearCheck",
                                "CommentCheck", "GenreCheck",  "TrackCheck"};
    const char* id3v2Names[] = {"Id3v2Title",   "Id3v2Artist", "Id3v2Album", "Id3v2Year",
                                "Id3v2Comment", "Id3v2Genre",  "Id3v2Track"};
    Id3v2Heading = Named(new QLabel(tr("ID3v2"), this), "Id3v2Heading");
    grid->addWidget(Id3v2Heading, 0, 3, 1, 2);
    for (int i = 0; i < FieldCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        QCheckBox* check = Named(new QCheckBox(this), checkNames[i]);
        check->setChecked(true);
        check->setFocusPolicy(Qt::NoFocus);
        connect(check, &QCheckBox::toggled, this,
                [this, i](bool checked) { SetFieldEditable(i, checked); });
        Checks[slot] = check;
        auto* label = new QLabel(labels[i], this);
        label->setBuddy(Boxes[slot]);
        const int row = i + 1; // under the heading of the ID3v2 column
        grid->addWidget(check, row, 0);
        grid->addWidget(label, row, 1);
        const bool narrow = Boxes[slot] == yearBox || Boxes[slot] == TrackBox;
        grid->addWidget(Boxes[slot], row, 2, narrow ? Qt::AlignLeft : Qt::Alignment());
        Boxes[slot]->setAutoFillBackground(true);

        auto* mark = new QLabel(this);
        mark->setFixedWidth(mark->fontMetrics().horizontalAdvance(QChar(0x2260)) + 2);
        auto* value = Named(new QLineEdit(this), id3v2Names[i]);
        value->setReadOnly(true);
        value->setFrame(false);
        value->setFocusPolicy(Qt::NoFocus); // the tab order stays the boxes'
        value->setAccessibleName(tr("ID3v2 %1").arg(QString(labels[i]).remove(QLatin1Char('&'))));
        grid->addWidget(mark, row, 3);
        grid->addWidget(value, row, 4);
        Id3v2Marks[slot] = mark;
        Id3v2Values[slot] = value;
    }
    grid->setColumnStretch(2, 3);
    grid->setColumnStretch(4, 2);
}

void TTagBoxes::ShowTag(const TMPEGAudio& audio)
{
    const std::string* texts[] = {&audio.Title, &audio.Artist, &audio.Album, &audio.Year,
                                  &audio.Comment};
    for (std::size_t i = 0; i < TextBoxes.size(); ++i) {
        TextBoxes[i]->setEditText(Text(*texts[i]));
    }
    GenreBox->clear();
    GenreBox->addItems(GenreList());
    GenreBox->setCurrentIndex(FindGenreEntry(GenreEntries(), GenreEntryFor(audio.Genre)));
    TrackBox->setText(Text(TrackText(audio.Track)));
}

void TTagBoxes::ShowId3v2(const TId3v2Reading& reading,
                          const std::array<bool, FieldCount>& disagreeing)
{
    const TId3v2Fields none;
    const TId3v2Fields& fields = reading.Fields ? *reading.Fields : none;
    Id3v2Heading->setText(reading.Opened && !reading.Fields ? tr("no ID3v2 tag") : tr("ID3v2"));
    for (std::size_t i = 0; i < Id3v2Values.size(); ++i) {
        // line breaks and tabs of a comment frame shown as spaces; a long text is cut before
        // anything is done with it
        const std::optional<std::string>& field = fields.*Id3v2FieldOrder[i];
        const std::string_view value =
            field ? std::string_view(*field).substr(0, ShownId3v2Length * 4) : std::string_view();
        const QString text =
            QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())).simplified();
        Id3v2Values[i]->setText(text.left(ShownId3v2Length));
        Id3v2Values[i]->setCursorPosition(0);
        QFont font = Id3v2Values[i]->font();
        font.setBold(disagreeing[i]);
        Id3v2Values[i]->setFont(font);
        Id3v2Values[i]->setAccessibleDescription(
            disagreeing[i] ? tr("The ID3v1 and the ID3v2 tag disagree here") : QString());
        Id3v2Marks[i]->setText(disagreeing[i] ? QString(QChar(0x2260)) : QString());
    }
}

void TTagBoxes::Clear()
{
    for (QComboBox* box : TextBoxes) {
        box->setEditText(QString());
    }
    GenreBox->clear();
    GenreBox->setEditText(QString());
    TrackBox->clear();
    ShowId3v2({}, {});
}

std::vector<TFieldText> TTagBoxes::Texts() const
{
    // a typed genre that Enter has not yet matched to an entry names no genre, so the file's
    // own stays: a write never stores a genre the box does not show
    const int genre = GenreBox->currentIndex();
    const QString shownGenre = GenreBox->currentText();
    const bool typed =
        genre < 0 || shownGenre.compare(GenreBox->itemText(genre), Qt::CaseInsensitive) != 0;
    std::vector<TFieldText> texts;
    const TEditField textFields[] = {TEditField::Title, TEditField::Artist, TEditField::Album,
                                     TEditField::Year, TEditField::Comment};
    for (std::size_t k = 0; k < std::size(textFields); ++k) {
        texts.push_back(BoxText(textFields[k], TextBoxes[k], TextBoxes[k]->currentText()));
    }
    texts.push_back(
        BoxText(TEditField::Genre, GenreBox, typed ? shownGenre : GenreBox->itemText(genre)));
    texts.push_back(BoxText(TEditField::Track, TrackBox, TrackBox->text()));
    return texts;
}

TFieldChoices TTagBoxes::CheckStates() const
{
    TFieldChoices checks{};
    for (std::size_t i = 0; i < checks.size(); ++i) {
        checks[i] = Checks[i]->isChecked();
    }
    return checks;
}

void TTagBoxes::SetChecks(const TFieldChoices& checks)
{
    for (std::size_t i = 0; i < checks.size(); ++i) {
        Checks[i]->setChecked(checks[i]);
        // a check that keeps its state still brings its box in line
        SetFieldEditable(static_cast<int>(i), checks[i]);
    }
}

void TTagBoxes::SetFieldEditable(int field, bool editable)
{
    QWidget* box = Box(field);
    box->setEnabled(editable);
    const QColor colour = editable ? QColor(Qt::white) : palette().color(QPalette::Button);
    QPalette colours = box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, colour);
    }
    box->setPalette(colours);
}

bool TTagBoxes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == GenreBox) {
                GenreBoxEntered();
            }
            for (QComboBox* box : TextBoxes) {
                if (watched == box) {
                    TextBoxEntered(box);
                }
            }
        }
    }
    return TPanel::eventFilter(watched, event);
}

void TTagBoxes::TextBoxEntered(QComboBox* box)
{
    const QString text = box->currentText();
    if (box->findText(text, Qt::MatchFixedString) < 0) {
        box->addItem(text);
    }
    box->lineEdit()->selectAll();
}

void TTagBoxes::GenreBoxEntered()
{
    // the entry the text names becomes the selected one, so that a write stores what the box
    // shows; a text that names none becomes "<unknown>"
    const QString unknown = QString::fromLatin1(UnknownGenreEntry.data());
    int entry = GenreBox->findText(GenreBox->currentText(), Qt::MatchFixedString);
    if (entry < 0) {
        entry = GenreBox->findText(unknown);
    }
    if (entry >= 0) {
        GenreBox->setCurrentIndex(entry);
    } else {
        GenreBox->setEditText(unknown);
    }
    GenreBox->lineEdit()->selectAll();
}
