#pragma once

#include "window/Prompts.h"

#include <QFont>

namespace tw {

inline constexpr int PromptMaxLength = 255;
inline constexpr const char* PatchFileFilter = "PAT files (*.pat);;all files (*.*)";

// The Qt boxes and dialogs. The file and font dialogs are Qt's own, so that they look and behave
// the same on every desktop.
class QtPrompts : public Prompts {
public:
    QtPrompts();

    void showMessage(QWidget* parent, const QString& text, const QString& caption, const QString& detail) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text, const QString& caption) override;
    void showError(QWidget* parent, const QString& message) override;
    std::optional<QString> askText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& start) override;
    std::optional<QString> askSavePatchPath(QWidget* parent) override;
    std::optional<QString> askOpenPatchPath(QWidget* parent) override;
    std::optional<QFont> askFont(QWidget* parent) override;

    // The font the font dialog opens on before anything was accepted in it.
    static QFont designFont();

private:
    QFont lastFont_;
};

} // namespace tw
