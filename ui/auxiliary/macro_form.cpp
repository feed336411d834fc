#include "ui/auxiliary/macro_form.h"

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

TMacro_Form::TMacro_Form(TPrompts& prompts, QWidget* parent)
    : THidingWindow(QStringLiteral("Macro_Form"), tr("Select / Add / Delete - Macro`s"), parent),
      Prompts(prompts)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    BuildControls();
    ConnectControls();
    resize(520, 150);
}

void TMacro_Form::BuildControls()
{
    Macro_CB = Named(new QComboBox(this), "Macro_CB");
    Macro_CB->setEditable(true);
    Macro_CB->setInsertPolicy(QComboBox::NoInsert); // only "&Add New" adds to the list
    Preview_Panel = TextPanel(this, "Preview_Panel", Qt::AlignLeft);
    ItemCount_Panel = TextPanel(this, "ItemCount_Panel", Qt::AlignRight);
    Delete_SB = FlatButton(this, "Delete_SB", "&Delete Item");
    ClearList_SB = FlatButton(this, "ClearList_SB", "Clear &List");
    AddNew_SB = FlatButton(this, "AddNew_SB", "&Add New");
    Close_SB = FlatButton(this, "Close_SB", "&Close");

    auto* buttons = new QHBoxLayout;
    for (QToolButton* button : {Delete_SB, ClearList_SB, AddNew_SB, Close_SB}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Macro_CB);
    layout->addWidget(Preview_Panel);
    layout->addWidget(ItemCount_Panel);
    layout->addLayout(buttons);
    Highlight = new TButtonHighlight({Delete_SB, ClearList_SB, AddNew_SB, Close_SB},
                                     {Preview_Panel, ItemCount_Panel, this}, this);
}

void TMacro_Form::ConnectControls()
{
    connect(Macro_CB, &QComboBox::currentTextChanged, this, &TMacro_Form::Macro_CBChange);
    connect(AddNew_SB, &QToolButton::clicked, this, &TMacro_Form::AddNew_SBClick);
    connect(Delete_SB, &QToolButton::clicked, this, &TMacro_Form::Delete_SBClick);
    connect(ClearList_SB, &QToolButton::clicked, this, &TMacro_Form::ClearList_SBClick);
    connect(Close_SB, &QToolButton::clicked, this, &TMacro_Form::Close_SBClick);
}

QString TMacro_Form::CountText(int count)
{
    if (count == 0) {
        return tr("No Macro in List");
    }
    return count == 1 ? tr("1 Macro in List") : tr("%1 Macros in List").arg(count);
}

void TMacro_Form::showEvent(QShowEvent* event)
{
    THidingWindow::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TMacro_Form::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    THidingWindow::closeEvent(event);
}

void TMacro_Form::FormShow()
{
    emit Showing();
    Highlight->Highlight(nullptr);
    LoadList();
    UpdateCount();
    Macro_CBChange();
}

void TMacro_Form::FormCloseQuery()
{
    SaveList();
}

void TMacro_Form::LoadList()
{
    const TMacroList list = ReadMacroList(TSettingsBatch());
    const QSignalBlocker quiet(Macro_CB); // the preview follows once the list is complete
    Macro_CB->clear();
    Macro_CB->addItems(list.Macros);
    Macro_CB->setCurrentIndex(list.Index);
    if (list.Index < 0) {
        Macro_CB->setEditText(QString());
    }
}

void TMacro_Form::SaveList()
{
    TMacroList list;
    for (int i = 0; i < Macro_CB->count(); ++i) {
        list.Macros << Macro_CB->itemText(i);
    }
    list.Index = Macro_CB->currentIndex();
    TSettingsBatch batch;
    WriteMacroList(batch, list);
    batch.Commit();
}

void TMacro_Form::UpdateCount()
{
    ItemCount_Panel->setText(CountText(Macro_CB->count()));
}

void TMacro_Form::Macro_CBChange()
{
    Preview_Panel->setText(PreviewOf ? PreviewOf(Macro_CB->currentText()) : QString());
}

void TMacro_Form::AddNew_SBClick()
{
    const QString macro = MainMacro ? MainMacro() : QString();
    if (!macro.isEmpty()) {
        Macro_CB->addItem(macro);
        Macro_CB->setCurrentIndex(Macro_CB->count() - 1);
    }
    UpdateCount();
    Macro_CBChange();
}

void TMacro_Form::Delete_SBClick()
{
    const int index = Macro_CB->currentIndex();
    if (Macro_CB->count() == 0 || index < 0) {
        return;
    }
    if (!Prompts.Confirm(this, tr("Attention !"),
                         tr("Delete : %1 ?").arg(Macro_CB->currentText()))) {
        return;
    }
    Macro_CB->removeItem(index);
    // the item that moved up into the place, or the new last one
    Macro_CB->setCurrentIndex(std::min(index, Macro_CB->count() - 1));
    UpdateCount();
}

void TMacro_Form::ClearList_SBClick()
{
    if (Macro_CB->count() == 0) {
        return;
    }
    if (!Prompts.Confirm(this, tr("Attention !"), tr("Clear Macro List ?"))) {
        return;
    }
    Macro_CB->clear();
    UpdateCount();
}

void TMacro_Form::Close_SBClick()
{
    if (!Macro_CB->currentText().isEmpty()) {
        emit MacroChosen(Macro_CB->currentText());
    }
    close();
}

void TMacro_Form::ShowHints(bool show)
{
    ShowWindowHints(this, THintWindow::MacroList, show);
}
