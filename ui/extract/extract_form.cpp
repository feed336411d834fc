#include "ui/extract/extract_form.h"

#include <QLabel>
#include <QVBoxLayout>

T_Form3::T_Form3(QWidget* parent)
    : THidingWindow(QStringLiteral("_Form3"), QStringLiteral("[ File Name ]   to   [ ID3 Tag ]"),
                    parent)
{
    Index_Panel = new QLabel(QStringLiteral("[ 0 / 0 ]"), this);
    Index_Panel->setObjectName(QStringLiteral("Index_Panel"));
    Status_Panel = new QLabel(this);
    Status_Panel->setObjectName(QStringLiteral("Status_Panel"));
    for (QLabel* panel : {Index_Panel, Status_Panel}) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(Index_Panel);
    layout->addWidget(Status_Panel);
    resize(560, 420);
}

void T_Form3::ShowFileCounts(int toProcess, int total, const QString& indexText,
                             const QString& statusText)
{
    ToProcessCount = toProcess;
    TotalCount = total;
    Index_Panel->setText(indexText);
    Status_Panel->setText(statusText);
}

void T_Form3::StoreLastFormula(TSettingsBatch& /*batch*/)
{
    // The formula boxes are not part of this window yet, so there is nothing to store.
}
