#include "window/Unit1.h"

#include "text/Search.h"

namespace tw {

void TForm1::EditSearchExecute()
{
    const std::optional<QString> query = prompts_.askText(this, message(MessageKey::SearchCaption),
                                                          message(MessageKey::SearchPrompt), text(state_.SearchText));
    if (!query)
        return;
    state_.SearchText = bytes(*query);
    state_.SearchStage = 0;
    state_.SearchStart = state_.CurrentIndex;
    SearchString();
}

void TForm1::EditNextExecute()
{
    state_.SearchStart = state_.CurrentIndex + 1;
    SearchString();
}

void TForm1::SearchString()
{
    const std::optional<SearchMatch> match =
        searchEntries(state_.table, codePage_, state_.SearchText, state_.SearchStart, state_.SearchStage);
    if (!match) {
        prompts_.showMessage(this, message(MessageKey::QueryNotFound), message(MessageKey::QueryCaption), QString());
        return;
    }
    moveToEntry(match->entry);
    state_.SearchStage = match->stage;
}

} // namespace tw
