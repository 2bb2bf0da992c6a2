// "Reihenfolge übernehmen...": the open list arranged like a reference list
// (a list file or a text file of position;name lines), after the user has
// seen what would match. One undo step.
#include "editor/EditForm.h"
#include "fileio/LocalPath.h"
#include "i18n/WindowTexts.h"
#include "listformat/FieldReader.h"
#include "listmodel/ChannelListModel.h"
#include "reorder/ListReorder.h"
#include "reorder/ReferenceFile.h"
#include "ui/UserDialogs.h"

namespace {

// Warnings beyond these are summed up: the question must fit on the screen.
constexpr std::size_t ShownWarnings = 5;

} // namespace

void TEditForm::Reihenfolge1Click() {
    if (!prompts_.listOpenOrWarn(editor_))
        return;
    const auto* texts = findChild<i18n::DialogTexts*>(QStringLiteral("ReferenceDialog1"));
    const QStringList files = dialogs_.openFileNames(this, texts->title, texts->filter, false);
    if (!files.isEmpty())
        applyOrderFrom(files.constFirst());
}

bool TEditForm::applyOrderFrom(const QString& referencePath) {
    const auto warn = [this](const QString& text) { prompts_.warning(text); };
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(fileio::localPath(referencePath), ReferenceTextLimit + 1, bytes)) {
        warn(i18n::text(i18n::Msg::ListUnreadable));
        return false;
    }
    const ReferenceLoad load = readReference(bytes);
    if (!load.list) {
        warn(i18n::text(i18n::Msg::ReferenceUnusable) + QStringLiteral("\n\n") +
             QString::fromUtf8(load.error));
        return false;
    }
    const ReorderSummary plan =
        planReorder(editor_.model().image, editor_.model().channelCount(), *load.list, false);
    if (plan.matched() == 0) {
        warn(i18n::text(i18n::Msg::ReorderNoMatch));
        return false;
    }
    QString text =
        i18n::text(i18n::Msg::ReorderSummary).arg(plan.byId).arg(plan.byName).arg(plan.unmatched);
    for (std::size_t i = 0; i < load.warnings.size() && i < ShownWarnings; ++i)
        text += QStringLiteral("\n\n") + QString::fromUtf8(load.warnings[i]);
    if (load.warnings.size() > ShownWarnings)
        text += QStringLiteral("\n(+%1)").arg(load.warnings.size() - ShownWarnings);

    enum { Apply, ApplyDropNew, Cancel };
    const int answer =
        dialogs_.choice(this, QStringLiteral("Quelvox"), text,
                        {i18n::text(i18n::Msg::ReorderApply), i18n::text(i18n::Msg::ReorderDropNew),
                         i18n::text(i18n::Msg::SaveChangesCancel)},
                        Cancel);
    if (answer != Apply && answer != ApplyDropNew)
        return false;
    editor_.applyOrder(*load.list, answer == ApplyDropNew);
    return true;
}
