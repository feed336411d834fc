#include "ui/auxiliary/macro_list_window.h"

#include "settings/stored_settings.h"
#include "ui/auxiliary/button_highlight.h"
#include "ui/components/hint_table.h"
#include "ui/components/named.h"
#include "ui/components/prompts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QToolButton* FlatButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setText(QString::fromLatin1(caption));
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QLabel* TextPanel(QWidget* parent, const char* name, Qt::Alignment alignment)
{
    auto* panel = Named(new QLabel(parent), name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(alignment | Qt::AlignVCenter);
    panel->setMinimumHeight(22);
    panel->setTextFormat(Qt::PlainText);
    return panel;
}

} // namespace

TMacroListWindow::TMacroListWindow(TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("MacroListWindow"), tr("Select / Add / Delete - Macro`s"),
                    parent),
      Prompts(prompts)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    BuildControls();
    ConnectControls();
    resize(520, 150);
}

void TMacroListWindow::BuildControls()
{
    MacroListBox = Named(new QComboBox(this), "MacroListBox");
    MacroListBox->setEditable(true);
    MacroListBox->setInsertPolicy(QComboBox::NoInsert); // only "&Add New" adds to the list
    PreviewPanel = TextPanel(this, "PreviewPanel", Qt::AlignLeft);
    ListSizePanel = TextPanel(this, "ListSizePanel", Qt::AlignRight);
    DeleteButton = FlatButton(this, "DeleteButton", "&Delete Item");
    ClearListButton = FlatButton(this, "ClearListButton", "Clear &List");
    AddMacroButton = FlatButton(this, "AddMacroButton", "&Add New");
    CloseButton = FlatButton(this, "CloseButton", "&Close");

    auto* buttons = new QHBoxLayout;
    for (QToolButton* button : {DeleteButton, ClearListButton, AddMacroButton, CloseButton}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MacroListBox);
    layout->addWidget(PreviewPanel);
    layout->addWidget(ListSizePanel);
    layout->addLayout(buttons);
    Highlight = new TButtonHighlight({DeleteButton, ClearListButton, AddMacroButton, CloseButton},
                                     {PreviewPanel, ListSizePanel, this}, this);
}

void TMacroListWindow::ConnectControls()
{
    connect(MacroListBox, &QComboBox::currentTextChanged, this,
            &TMacroListWindow::MacroListChanged);
    connect(AddMacroButton, &QToolButton::clicked, this, &TMacroListWindow::AddMacroClicked);
    connect(DeleteButton, &QToolButton::clicked, this, &TMacroListWindow::DeleteClicked);
    connect(ClearListButton, &QToolButton::clicked, this, &TMacroListWindow::ClearListClicked);
    connect(CloseButton, &QToolButton::clicked, this, &TMacroListWindow::CloseClicked);
}

QString TMacroListWindow::CountText(int count)
{
    if (count == 0) {
        return tr("No Macro in List");
    }
    return count == 1 ? tr("1 Macro in List") : tr("%1 Macros in List").arg(count);
}

void TMacroListWindow::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        ShowList();
    }
}

void TMacroListWindow::closeEvent(QCloseEvent* event)
{
    SaveList();
    THidingWindow::closeEvent(event);
}

void TMacroListWindow::ShowList()
{
    emit Showing();
    Highlight->Highlight(nullptr);
    LoadList();
    UpdateCount();
    MacroListChanged();
}

void TMacroListWindow::LoadList()
{
    const TMacroList list = ReadMacroList(TSettingsBatch());
    const QSignalBlocker quiet(MacroListBox); // the preview follows once the list is complete
    MacroListBox->clear();
    MacroListBox->addItems(list.Macros);
    MacroListBox->setCurrentIndex(list.Index);
    if (list.Index < 0) {
        MacroListBox->setEditText(QString());
    }
}

void TMacroListWindow::SaveList()
{
    TMacroList list;
    for (int i = 0; i < MacroListBox->count(); ++i) {
        list.Macros << MacroListBox->itemText(i);
    }
    list.Index = MacroListBox->currentIndex();
    TSettingsBatch batch;
    WriteMacroList(batch, list);
    batch.Commit();
}

void TMacroListWindow::UpdateCount()
{
    ListSizePanel->setText(CountText(MacroListBox->count()));
}

void TMacroListWindow::MacroListChanged()
{
    PreviewPanel->setText(PreviewOf ? PreviewOf(MacroListBox->currentText()) : QString());
}

void TMacroListWindow::AddMacroClicked()
{
    const QString macro = MainMacro ? MainMacro() : QString();
    if (!macro.isEmpty()) {
        MacroListBox->addItem(macro);
        MacroListBox->setCurrentIndex(MacroListBox->count() - 1);
    }
    UpdateCount();
    MacroListChanged();
}

void TMacroListWindow::DeleteClicked()
{
    const int index = MacroListBox->currentIndex();
    if (MacroListBox->count() == 0 || index < 0) {
        return;
    }
    if (!Prompts.Confirm(this, tr("Attention !"),
                         tr("Delete : %1 ?").arg(MacroListBox->currentText()))) {
        return;
    }
    MacroListBox->removeItem(index);
    // the item that moved up into the place, or the new last one
    MacroListBox->setCurrentIndex(std::min(index, MacroListBox->count() - 1));
    UpdateCount();
}

void TMacroListWindow::ClearListClicked()
{
    if (MacroListBox->count() == 0) {
        return;
    }
    if (!Prompts.Confirm(this, tr("Attention !"), tr("Clear Macro List ?"))) {
        return;
    }
    MacroListBox->clear();
    UpdateCount();
}

void TMacroListWindow::CloseClicked()
{
    if (!MacroListBox->currentText().isEmpty()) {
        emit MacroChosen(MacroListBox->currentText());
    }
    close();
}

void TMacroListWindow::ShowHints(bool show)
{
    ShowWindowHints(this, THintWindow::MacroList, show);
}
