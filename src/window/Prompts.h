#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace tw {

enum class Answer { Yes, No, Cancel };

// The modal boxes and dialogs the window asks the user through. The program uses the Qt boxes
// (QtPrompts); tests answer them from a script and check what was asked.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box with an OK button; `detail` (may be empty) goes into its detail text.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& caption, const QString& detail) = 0;
    // The Yes/No/Cancel question, Yes the default button, no icon.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The standard error box: the failure's message, the application's title, an error icon, OK.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // The one-line input prompt: starts with `start` all selected, takes at most 255 characters;
    // nothing on Cancel.
    virtual std::optional<QString> askText(QWidget* parent, const QString& caption, const QString& prompt,
                                           const QString& start) = 0;
    // The patch file dialogs; nothing on Cancel.
    virtual std::optional<QString> askSavePatchPath(QWidget* parent) = 0;
    virtual std::optional<QString> askOpenPatchPath(QWidget* parent) = 0;
    // The font dialog, opening on the font it last accepted; nothing on Cancel.
    virtual std::optional<QFont> askFont(QWidget* parent) = 0;
};

} // namespace tw
