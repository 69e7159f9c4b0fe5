#include "window/Unit1.h"

#include "talktable/TalkTableFile.h"
#include "text/IntegerText.h"
#include "window/BusyNotice.h"
#include "window/DisplayText.h"


namespace tw {
namespace {

// Sets TextLoading while the program itself fills the text box, and clears it however that ends.
class TextLoadingScope {
public:
    explicit TextLoadingScope(std::int32_t& flag) : flag_(flag) { flag_ = 1; }
    ~TextLoadingScope() { flag_ = 0; }
    TextLoadingScope(const TextLoadingScope&) = delete;
    TextLoadingScope& operator=(const TextLoadingScope&) = delete;

private:
    std::int32_t& flag_;
};

} // namespace

void TForm1::LoadData()
{
    state_.TlkPath = state_.TlkFolder + "dialog.tlk";
    {
        BusyNotice notice(message(MessageKey::DlgCaption), message(MessageKey::DlgLabel));
        Result loaded = readTalkTable(fileSystemPath(state_.TlkPath), state_.table);
        if (loaded.ok())
            afterLoad();
        else
            reportFileFailure(loaded);
    }
    ui_.FileSave->setEnabled(false);
    ui_.Button1->setEnabled(false);
}

void TForm1::afterLoad()
{
    ui_.Label3->setText(rangeCaption());
    ui_.Label3->adjustSize();
    ui_.Memo1->setReadOnly(state_.table.EntryCount() == 0);
    if (state_.table.EntryCount() == 0) {
        state_.CurrentIndex = 0;
        ui_.Edit2->setText("0");
        showNoEntry();
        return;
    }
    moveToEntry(0);
}

QString TForm1::rangeCaption() const
{
    const std::uint32_t count = state_.table.EntryCount();
    // An empty table has no last entry; "0 - 4294967295" would promise four billion of them.
    if (count == 0)
        return "no entries";
    return "0 - " + QString::number(count - 1);
}

bool TForm1::SaveData()
{
    state_.TlkPath = state_.TlkFolder + "dialog.tlk";
    const std::string path = fileSystemPath(state_.TlkPath);
    bool written = false;
    {
        BusyNotice notice(message(MessageKey::SavCaption), message(MessageKey::SavLabel));
        Result result = writeTalkTable(state_.table, path, backupPathFor(path));
        written = result.ok();
        if (!written)
            reportFileFailure(result);
    }
    if (written)
        state_.Modified = 0;
    return written;
}

void TForm1::moveToEntry(std::uint32_t n)
{
    state_.CurrentIndex = n;
    ui_.Edit2->setText(QString::number(n));
    showEntry(n);
}

void TForm1::showEntry(std::uint32_t n)
{
    if (n >= state_.table.EntryCount())
        return;
    TextLoadingScope loading(state_.TextLoading);
    ui_.Memo1->setPlainText(textBoxText(codePage_, state_.table.shownText(n)));
    state_.ShownEntry = n;
}

void TForm1::showNoEntry()
{
    TextLoadingScope loading(state_.TextLoading);
    ui_.Memo1->clear();
    state_.ShownEntry.reset();
}

void TForm1::Edit2Exit()
{
    const std::optional<std::int32_t> typed = parseStandardInteger(bytes(ui_.Edit2->text()));
    if (!typed) {
        ui_.Edit2->setText("0");
        state_.CurrentIndex = 0;
        return;
    }
    const std::uint32_t last = state_.table.EntryCount() - 1;
    const std::uint32_t number = static_cast<std::uint32_t>(*typed);
    if (number > last) {
        ui_.Edit2->setText(QString::number(last));
        state_.CurrentIndex = last;
        return;
    }
    state_.CurrentIndex = number;
}

bool TForm1::Edit2KeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Edit2Exit();
        Button3Click();
        return true;
    }
    if (key == Qt::Key_Escape) {
        ui_.Edit2->clear();
        return true;
    }
    return false;
}

void TForm1::Button3Click()
{
    showEntry(state_.CurrentIndex);
}

void TForm1::Memo1Change()
{
    if (state_.TextLoading == 1)
        return;
    // With no entry shown there is no entry to store into.
    if (!state_.ShownEntry || *state_.ShownEntry >= state_.table.EntryCount())
        return;
    state_.Modified = 1;
    state_.table.ReplaceEntryText(*state_.ShownEntry, storedText(codePage_, ui_.Memo1->toPlainText()));
    ui_.FileSave->setEnabled(true);
    ui_.Button1->setEnabled(true);
}

void TForm1::Button1Click()
{
    // A write that failed keeps WRITE, so that it can be tried again.
    if (SaveData())
        ui_.Button1->setEnabled(false);
}

void TForm1::Button2Click()
{
    LoadData();
}

void TForm1::runEditCommand(EditCommand command)
{
    QWidget* focused = QApplication::focusWidget();
    if (focused == ui_.Edit2) {
        switch (command) {
        case EditCommand::Copy: ui_.Edit2->copy(); break;
        case EditCommand::Cut: ui_.Edit2->cut(); break;
        case EditCommand::Paste: ui_.Edit2->paste(); break;
        }
    } else if (focused == ui_.Memo1) {
        // A cut or paste in the text box is a change of it, stored like typing.
        guarded([&] {
            switch (command) {
            case EditCommand::Copy: ui_.Memo1->copy(); break;
            case EditCommand::Cut: ui_.Memo1->cut(); break;
            case EditCommand::Paste: ui_.Memo1->paste(); break;
            }
        });
    }
}

void TForm1::updateEditCommands()
{
    QWidget* focused = QApplication::focusWidget();
    bool selection = false;
    bool editing = true;
    if (focused == ui_.Edit2)
        selection = ui_.Edit2->hasSelectedText();
    else if (focused == ui_.Memo1)
        selection = ui_.Memo1->textCursor().hasSelection();
    else
        editing = false;
    ui_.EditCopy1->setEnabled(selection);
    ui_.EditCut1->setEnabled(selection);
    ui_.EditPaste1->setEnabled(editing && clipboardHasText_);
}

} // namespace tw
