#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The texts of every message box, prompt and notice, each under the key a language file names it by.
enum class MessageKey : std::size_t {
    NotFound, NFCaption, DlgCaption, DlgLabel, SavCaption, SavLabel, NotSave, NotSaveCaption,
    SettingCaption, SettingPrompt, SearchCaption, SearchPrompt, QueryNotFound, QueryCaption,
};
inline constexpr std::size_t MessageKeyCount = 14;

class MessageTexts {
public:
    // The English texts the window starts with.
    MessageTexts();

    const std::string& operator[](MessageKey key) const { return texts_[std::size_t(key)]; }
    void set(MessageKey key, std::string text) { texts_[std::size_t(key)] = std::move(text); }

    static std::optional<MessageKey> keyNamed(std::string_view name);

private:
    std::array<std::string, MessageKeyCount> texts_;
};

} // namespace tw
