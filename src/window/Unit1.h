#pragma once

#include "settings/IniFile.h"
#include "settings/LanguageTable.h"
#include "settings/MessageTexts.h"
#include "talktable/TalkTable.h"
#include "text/CodePage.h"
#include "window/Prompts.h"
#include "window/WindowEnvironment.h"

#include "ui_Unit1.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tw {

class Result;

// What the program keeps between events: the talk table and the values the commands share.
// Texts are code page bytes.
struct ProgramState {
    TalkTable table;
    std::uint32_t CurrentIndex = 0;
    std::int32_t Modified = 0;
    std::int32_t TextLoading = 0;
    // The entry the text box shows, into which a change of the text box goes; none before the
    // first entry is shown. It stays apart from CurrentIndex until the entry is shown.
    std::optional<std::uint32_t> ShownEntry;
    std::string TlkFolder = "0";
    std::string TlkPath;
    std::string LanguageFile = "0";
    std::int32_t LanguageNumber = 0;
    tw::MessageTexts MessageTexts;
    std::string SearchText;
    std::uint32_t SearchStart = 0;
    std::int32_t SearchStage = 0;
};

// The main window. Its creation runs the start-up: settings, registry, language, the table.
class TForm1 : public QMainWindow {
public:
    TForm1(const WindowEnvironment& environment, Prompts& prompts);
    ~TForm1() override;

    ProgramState& state() { return state_; }
    const Ui::TForm1& controls() const { return ui_; }

    // The window's outer size: its client area plus the designed frame (borders, title and menu
    // bar), so that stored bounds mean the same whatever frame a desktop draws.
    int outerWidth() const;
    int outerHeight() const;
    void setOuterWidth(int width);
    void setOuterHeight(int height);

    void FormResize();
    void FileExitExecute();
    void Edit2Exit();
    void Button3Click();
    void Memo1Change();
    void Button1Click();
    void Button2Click();
    void FileSaveExecute();
    void FileOpen1Execute();
    void EditSearchExecute();
    void EditNextExecute();
    void EditSettingExecute();
    void EditFontExecute();
    void LangEngExecute();
    void LangJpExecute();

    void LoadData();
    // True when the table was written; a failure is reported and leaves Modified as it was.
    bool SaveData();
    void SetLang();
    void SearchString();

    static constexpr const char* EmptyHintProperty = "emptyHint";
    static constexpr int FrameWidth = 8;
    static constexpr int FrameHeight = 46;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindCommands();
    void bindMenuEntries();
    void bindToolButtons();
    void bindControls();
    void runCreationSequence();
    void readFolderAndLanguage(const IniFile& settings);
    void lookUpGameFolder();
    void readFontAndBounds(const IniFile& settings);
    bool FormClose();
    void writeSettings();

    bool Edit2KeyPress(int key);
    void moveToEntry(std::uint32_t n);
    void showEntry(std::uint32_t n);
    void showNoEntry();
    void afterLoad();
    QString rangeCaption() const;
    void updateEditCommands();
    enum class EditCommand { Copy, Cut, Paste };
    void runEditCommand(EditCommand command);

    void applyLanguageRow(const LanguageRow& row, const std::string& value);
    void switchLanguage(QAction* chosen, QAction* other, std::int32_t number, const char* fileName);
    void setWindowFace(const QString& face);
    void fitLabels();
    void setTextBoxSize(int points);

    QString text(std::string_view bytes) const;
    QString message(MessageKey key) const;
    std::string bytes(const QString& text) const;
    std::string fileSystemPath(const std::string& path) const;
    void reportFileFailure(const Result& result);
    // Runs a handler so that no exception leaves it unseen: it is shown in the standard error box.
    void guarded(const std::function<void()>& handler);

    Ui::TForm1 ui_;
    WindowEnvironment environment_;
    const CodePage& codePage_;
    Prompts& prompts_;
    ProgramState state_;
    // Kept from the clipboard's change signal: asking the clipboard itself can mean a round trip
    // to the display server, too slow for every change of a selection.
    bool clipboardHasText_ = false;
};

} // namespace tw
