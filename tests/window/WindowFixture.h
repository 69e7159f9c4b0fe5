#pragma once

#include "support/TableBuilder.h"
#include "support/TempFolder.h"
#include "window/ScriptedPrompts.h"
#include "window/Unit1.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <memory>

namespace tw::testing {

// Records the caption and the text of every busy notice at the moment it is painted.
class NoticeSpy : public QObject {
public:
    QStringList notices;

    NoticeSpy() { qApp->installEventFilter(this); }
    ~NoticeSpy() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* label = qobject_cast<QLabel*>(watched);
            if (label && label != lastLabel_ && label->parentWidget() &&
                label->parentWidget()->objectName() == "BusyNotice") {
                lastLabel_ = label;
                notices << label->parentWidget()->windowTitle() + " | " + label->text();
            }
        }
        return false;
    }

private:
    QPointer<QLabel> lastLabel_;
};

// A program folder of the test's own, with its settings file and a dialog.tlk made by the test,
// and the real main window built over it with scripted boxes.
class WindowFixture {
public:
    TempFolder folder;
    ScriptedPrompts prompts;
    NoticeSpy busyNotices;
    std::unique_ptr<TForm1> window;

    std::string settingsPath() const { return folder / "talkwarden.INI"; }
    std::string tablePath() const { return folder / "dialog.tlk"; }

    void writeSettings(const std::string& lines) { writeFile(settingsPath(), "[ProgramOption]\r\n" + lines); }
    // Settings that point the window at the test's folder.
    void useFolder(const std::string& more = "") { writeSettings("Path=" + folder.path() + "/\r\n" + more); }
    void writeTable(const TableBuilder& builder) { writeFile(tablePath(), builder.fileBytes()); }

    WindowEnvironment environment(CodePageId codePage = CodePageId::Windows1252) const
    {
        WindowEnvironment env;
        env.programFolder = folder.path() + "/";
        env.settingsFile = settingsPath();
        env.registryFile = folder / "system.reg";
        env.codePage = codePage;
        return env;
    }

    TForm1& open(CodePageId codePage = CodePageId::Windows1252)
    {
        window = std::make_unique<TForm1>(environment(codePage), prompts);
        return *window;
    }

    // Shows the window and waits until it has the focus, so that focus changes reach its controls.
    TForm1& openShown(CodePageId codePage = CodePageId::Windows1252)
    {
        open(codePage);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the window did not become active");
        return *window;
    }

    const Ui::TForm1& ui() const { return window->controls(); }
    ProgramState& state() { return window->state(); }

    // Enter in the reference number box after typing `number` into it.
    void jumpTo(const QString& number)
    {
        ui().Edit2->setText(number);
        QTest::keyClick(ui().Edit2, Qt::Key_Return);
    }
    void typeIntoTextBox(const QString& keys)
    {
        QTest::keyClicks(ui().Memo1, keys);
    }
};

// Ten numbered entries "text 0" .. "text 9".
inline TableBuilder numberedTable(std::uint32_t count = 10)
{
    TableBuilder builder;
    for (std::uint32_t i = 0; i < count; ++i)
        builder.add("text " + std::to_string(i));
    return builder;
}

} // namespace tw::testing
