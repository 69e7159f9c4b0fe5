#pragma once

#include "window/Prompts.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace tw::testing {

// Answers the window's boxes from a script and remembers what each one asked.
class ScriptedPrompts : public Prompts {
public:
    struct Asked {
        QString kind; // "message", "question", "error", "text", "save", "open", "font"
        QString text;
        QString caption;
        QString detail; // the detail text of a message, the starting text of a prompt
    };

    std::vector<Asked> asked;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> texts;
    std::deque<std::optional<QString>> paths;
    std::deque<std::optional<QFont>> fonts;

    void showMessage(QWidget*, const QString& text, const QString& caption, const QString& detail) override
    {
        asked.push_back({"message", text, caption, detail});
    }
    Answer askYesNoCancel(QWidget*, const QString& text, const QString& caption) override
    {
        asked.push_back({"question", text, caption, {}});
        return take(answers, Answer::Cancel);
    }
    void showError(QWidget*, const QString& message) override { asked.push_back({"error", message, {}, {}}); }
    std::optional<QString> askText(QWidget*, const QString& caption, const QString& prompt,
                                   const QString& start) override
    {
        asked.push_back({"text", prompt, caption, start});
        return take(texts, std::optional<QString>());
    }
    std::optional<QString> askSavePatchPath(QWidget*) override
    {
        asked.push_back({"save", {}, {}, {}});
        return take(paths, std::optional<QString>());
    }
    std::optional<QString> askOpenPatchPath(QWidget*) override
    {
        asked.push_back({"open", {}, {}, {}});
        return take(paths, std::optional<QString>());
    }
    std::optional<QFont> askFont(QWidget*) override
    {
        asked.push_back({"font", {}, {}, {}});
        return take(fonts, std::optional<QFont>());
    }

    QStringList kinds() const
    {
        QStringList result;
        for (const Asked& a : asked)
            result << a.kind;
        return result;
    }

private:
    template <typename T>
    static T take(std::deque<T>& queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};

} // namespace tw::testing
