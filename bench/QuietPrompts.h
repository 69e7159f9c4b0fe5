#pragma once

#include "window/Prompts.h"

namespace tw::bench {

// Answers every box as if the user had cancelled it, and counts them: a benchmark that meets a box
// did not measure what it meant to.
class QuietPrompts : public Prompts {
public:
    int shown = 0;

    void showMessage(QWidget*, const QString&, const QString&, const QString&) override { ++shown; }
    Answer askYesNoCancel(QWidget*, const QString&, const QString&) override { ++shown; return Answer::Cancel; }
    void showError(QWidget*, const QString&) override { ++shown; }
    std::optional<QString> askText(QWidget*, const QString&, const QString&, const QString&) override { return none<QString>(); }
    std::optional<QString> askSavePatchPath(QWidget*) override { return none<QString>(); }
    std::optional<QString> askOpenPatchPath(QWidget*) override { return none<QString>(); }
    std::optional<QFont> askFont(QWidget*) override { return none<QFont>(); }

private:
    template <typename T>
    std::optional<T> none()
    {
        ++shown;
        return std::nullopt;
    }
};

} // namespace tw::bench
