#include "window/Unit1.h"

#include "patch/PatchFile.h"
#include "window/BusyNotice.h"

namespace tw {

void TForm1::FileSaveExecute()
{
    const std::optional<QString> path = prompts_.askSavePatchPath(this);
    if (!path)
        return;
    bool exported = false;
    {
        BusyNotice notice(message(MessageKey::SavCaption), message(MessageKey::SavLabel));
        Result result = exportPatch(state_.table, path->toStdString());
        exported = result.ok();
        if (!exported)
            reportFileFailure(result);
    }
    // A failed export cleared no mark, so it can be tried again.
    if (exported)
        ui_.FileSave->setEnabled(false);
}

void TForm1::FileOpen1Execute()
{
    const std::optional<QString> path = prompts_.askOpenPatchPath(this);
    if (!path)
        return;
    {
        BusyNotice notice(message(MessageKey::DlgCaption), message(MessageKey::DlgLabel));
        Result result = importPatch(state_.table, path->toStdString());
        if (!result.ok())
            reportFileFailure(result);
    }
    ui_.FileSave->setEnabled(true);
    ui_.Button1->setEnabled(true);
    moveToEntry(0);
}

} // namespace tw
