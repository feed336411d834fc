#include "ui/components/lossy_question.h"

#include "ui/components/display_path.h"
#include "ui/components/prompts.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// the question stays readable: the rest is counted, not listed
constexpr std::size_t ListedFiles = 20;

} // namespace

bool AskWriteLossy(TPrompts& prompts, QWidget* parent, const std::vector<std::string>& files)
{
    if (files.empty()) {
        return false;
    }
    QStringList lines;
    for (std::size_t i = 0; i < files.size() && i < ListedFiles; ++i) {
        lines << DisplayPath(files[i]);
    }
    if (files.size() > ListedFiles) {
        lines << QCoreApplication::translate("TLossyQuestion", "... and %1 more")
                     .arg(files.size() - ListedFiles);
    }
    const QString text =
        QCoreApplication::translate(
            "TLossyQuestion",
            "%1 files have characters the code page cannot hold: write them with '?'?")
            .arg(files.size()) +
        QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
    return prompts.AskYesNo(parent, QCoreApplication::translate("TLossyQuestion", "Attention !"),
                            text);
}
