#include "settings/MessageTexts.h"

namespace tw {
namespace {

struct MessageDefinition {
    std::string_view name;
    std::string_view initialText;
};

// In the order of MessageKey.
constexpr std::array<MessageDefinition, MessageKeyCount> Messages = {{
    {"NotFound", "Dialog.tlk is not found!!"},
    {"NFCaption", "Error"},
    {"DlgCaption", "Loading..."},
    {"DlgLabel", "Please wait while loading."},
    {"SavCaption", "Saving..."},
    {"SavLabel", "Please wait while saving."},
    {"NotSave", "Data is modified and not saved.Do you save data?"},
    {"NotSaveCaption", "Caution"},
    {"SettingCaption", "Setting"},
    {"SettingPrompt", "dialog.tlk's path:"},
    {"SearchCaption", "Search"},
    {"SearchPrompt", "Search String:"},
    {"QueryNotFound", "Search string is not found."},
    {"QueryCaption", "Not Found"},
}};

} // namespace

MessageTexts::MessageTexts()
{
    for (std::size_t i = 0; i < MessageKeyCount; ++i)
        texts_[i] = std::string(Messages[i].initialText);
}

std::optional<MessageKey> MessageTexts::keyNamed(std::string_view name)
{
    for (std::size_t i = 0; i < MessageKeyCount; ++i) {
        if (Messages[i].name == name)
            return MessageKey(i);
    }
    return std::nullopt;
}

} // namespace tw
