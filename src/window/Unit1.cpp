#include "window/Unit1.h"

#include "settings/ProgramOptions.h"
#include "settings/RegistryLookup.h"
#include "window/DisplayText.h"
#include "window/MenuEntry.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QMenuBar>
#include <exception>

namespace tw {

TForm1::TForm1(const WindowEnvironment& environment, Prompts& prompts)
    : environment_(environment), codePage_(codePage(environment.codePage)), prompts_(prompts)
{
    ui_.setupUi(this);
    setCentralWidget(ui_.ClientArea);
    bindCommands();
    bindMenuEntries();
    bindToolButtons();
    bindControls();
    runCreationSequence();
}

TForm1::~TForm1()
{
    // The controls lose the focus while they are taken down; the window must not hear of it then.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
}

void TForm1::bindCommands()
{
    const std::pair<QAction*, void (TForm1::*)()> commands[] = {
        {ui_.FileOpen1, &TForm1::FileOpen1Execute},     {ui_.FileSave, &TForm1::FileSaveExecute},
        {ui_.FileExit, &TForm1::FileExitExecute},       {ui_.EditSearch, &TForm1::EditSearchExecute},
        {ui_.EditNext, &TForm1::EditNextExecute},       {ui_.EditSetting, &TForm1::EditSettingExecute},
        {ui_.EditFont, &TForm1::EditFontExecute},       {ui_.LangEng, &TForm1::LangEngExecute},
        {ui_.LangJp, &TForm1::LangJpExecute},
    };
    for (auto [command, handler] : commands)
        connect(command, &QAction::triggered, this, [this, handler = handler] { guarded([this, handler] { (this->*handler)(); }); });
    connect(ui_.EditCopy1, &QAction::triggered, this, [this] { runEditCommand(EditCommand::Copy); });
    connect(ui_.EditCut1, &QAction::triggered, this, [this] { runEditCommand(EditCommand::Cut); });
    connect(ui_.EditPaste1, &QAction::triggered, this, [this] { runEditCommand(EditCommand::Paste); });
    // The commands act through their shortcuts anywhere in the window, with or without a menu.
    for (QAction* command : {ui_.FileOpen1, ui_.FileSave, ui_.FileExit, ui_.EditCopy1, ui_.EditCut1, ui_.EditPaste1,
                             ui_.EditSearch, ui_.EditNext, ui_.EditSetting, ui_.EditFont, ui_.LangEng, ui_.LangJp}) {
        command->setStatusTip(QString());
        addAction(command);
    }
}

void TForm1::bindMenuEntries()
{
    const std::pair<QAction*, QAction*> entries[] = {
        {ui_.OpenPAT1, ui_.FileOpen1}, {ui_.SavePAT1, ui_.FileSave},       {ui_.Exit1, ui_.FileExit},
        {ui_.Copy1, ui_.EditCopy1},    {ui_.Cut1, ui_.EditCut1},           {ui_.Paste1, ui_.EditPaste1},
        {ui_.Search1, ui_.EditSearch}, {ui_.SearchNext1, ui_.EditNext},    {ui_.Font1, ui_.EditFont},
        {ui_.Setting1, ui_.EditSetting}, {ui_.English1, ui_.LangEng},      {ui_.Japanese1, ui_.LangJp},
    };
    for (auto [entry, command] : entries)
        new MenuEntry(entry, command);
    // Hints belong to the tool bar's tooltips alone.
    for (QMenu* menu : ui_.MainMenu1->findChildren<QMenu*>())
        menu->setToolTipsVisible(false);
}

void TForm1::bindToolButtons()
{
    const std::pair<QToolButton*, QAction*> buttons[] = {
        {ui_.ToolButton1, ui_.FileOpen1}, {ui_.ToolButton2, ui_.FileSave},    {ui_.ToolButton3, ui_.FileExit},
        {ui_.ToolButton5, ui_.EditCopy1}, {ui_.ToolButton6, ui_.EditCut1},    {ui_.ToolButton7, ui_.EditPaste1},
        {ui_.ToolButton9, ui_.EditSearch}, {ui_.ToolButton10, ui_.EditNext}, {ui_.ToolButton12, ui_.EditSetting},
    };
    for (auto [button, command] : buttons) {
        button->setDefaultAction(command);
        button->installEventFilter(this);
    }
}

void TForm1::bindControls()
{
    ui_.Edit2->setAttribute(Qt::WA_InputMethodEnabled, false);
    ui_.Edit2->installEventFilter(this);
    ui_.ClientArea->installEventFilter(this);
    connect(ui_.Memo1, &QPlainTextEdit::textChanged, this, [this] { guarded([this] { Memo1Change(); }); });
    connect(ui_.Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(ui_.Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
    connect(ui_.Button3, &QPushButton::clicked, this, [this] { guarded([this] { Button3Click(); }); });
    connect(ui_.Edit2, &QLineEdit::selectionChanged, this, &TForm1::updateEditCommands);
    connect(ui_.Memo1, &QPlainTextEdit::selectionChanged, this, &TForm1::updateEditCommands);
    connect(qApp, &QApplication::focusChanged, this, &TForm1::updateEditCommands);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        clipboardHasText_ = !QGuiApplication::clipboard()->text().isEmpty();
        updateEditCommands();
    });
    clipboardHasText_ = !QGuiApplication::clipboard()->text().isEmpty();
    ui_.Memo1->setReadOnly(true);
    ui_.Edit2->setFocus();
    updateEditCommands();
}

void TForm1::runCreationSequence()
{
    IniFile settings(environment_.settingsFile);
    readFolderAndLanguage(settings);
    if (state_.TlkFolder == "0")
        lookUpGameFolder();
    if (state_.LanguageFile != "0")
        SetLang();
    if (state_.TlkFolder != "0")
        LoadData();
    readFontAndBounds(settings);
    FormResize();
}

void TForm1::readFolderAndLanguage(const IniFile& settings)
{
    ProgramOptions options;
    tw::readFolderAndLanguage(settings, options);
    state_.TlkFolder = options.TlkFolder;
    state_.LanguageFile = options.LanguageFile;
    state_.LanguageNumber = options.LanguageNumber;
    if (state_.LanguageNumber == 0 || state_.LanguageNumber == 1) {
        ui_.English1->setChecked(state_.LanguageNumber == 0);
        ui_.Japanese1->setChecked(state_.LanguageNumber == 1);
    }
}

void TForm1::lookUpGameFolder()
{
    GameFolderLookup found = tw::lookUpGameFolder(environment_.registryFile);
    if (!found.failure.empty())
        prompts_.showError(this, QString::fromStdString(found.failure));
    state_.TlkFolder = codePage_.fromFileSystem(found.folder);
}

void TForm1::readFontAndBounds(const IniFile& settings)
{
    ProgramOptions options;
    options.Top = pos().y();
    options.Left = pos().x();
    tw::readFontAndBounds(settings, options);
    if (!options.FontName.empty())
        setWindowFace(text(options.FontName));
    setTextBoxSize(options.FontSize);
    // A window that keeps its place is not moved, so that the desktop places it as a new window.
    if (options.Top != pos().y())
        move(pos().x(), options.Top);
    if (options.Left != pos().x())
        move(options.Left, pos().y());
    setOuterWidth(options.Width);
    setOuterHeight(options.Height);
}

int TForm1::outerWidth() const
{
    return width() + FrameWidth;
}

int TForm1::outerHeight() const
{
    return height() - menuBar()->sizeHint().height() + FrameHeight;
}

void TForm1::setOuterWidth(int width)
{
    resize(width - FrameWidth, height());
}

void TForm1::setOuterHeight(int height)
{
    resize(width(), height - FrameHeight + menuBar()->sizeHint().height());
}

void TForm1::FormResize()
{
    const int w = outerWidth();
    const int h = outerHeight();
    ui_.Button1->move(w / 2 - 100, h - 95);
    ui_.Button2->move(ui_.Button1->x() + 100, ui_.Button1->y());
    // Below the smallest sensible window the text box shrinks to nothing rather than turning inside out.
    ui_.Memo1->resize(std::max(0, w - 40), std::max(0, h - 180));
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_.ClientArea && event->type() == QEvent::Resize) {
        // The tool bar and the status bar keep to the top and bottom edges across the full width.
        const QSize client = ui_.ClientArea->size();
        ui_.ToolBar1->setGeometry(0, 0, client.width(), ui_.ToolBar1->height());
        ui_.StatusBar1->setGeometry(0, client.height() - ui_.StatusBar1->height(), client.width(),
                                    ui_.StatusBar1->height());
    }
    if (event->type() == QEvent::ToolTip) {
        // A command whose hint a language file emptied shows no tooltip at all.
        auto* button = qobject_cast<QToolButton*>(watched);
        if (button && button->defaultAction() && button->defaultAction()->property(EmptyHintProperty).toBool())
            return true;
    }
    if (watched == ui_.Edit2 && event->type() == QEvent::KeyPress) {
        bool swallowed = false;
        guarded([&] { swallowed = Edit2KeyPress(static_cast<QKeyEvent*>(event)->key()); });
        return swallowed;
    }
    if (watched == ui_.Edit2 && event->type() == QEvent::FocusOut) {
        // Leaving the box for another control parses it; a menu or another window opening does not.
        Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            guarded([this] { Edit2Exit(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool closes = true;
    guarded([&] { closes = FormClose(); });
    if (closes)
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormClose()
{
    bool closes = true;
    if (state_.Modified == 1) {
        switch (prompts_.askYesNoCancel(this, message(MessageKey::NotSave), message(MessageKey::NotSaveCaption))) {
        case Answer::Yes:
            // A table that could not be written stays open: closing now would lose the changes.
            closes = SaveData();
            break;
        case Answer::No:
            break;
        case Answer::Cancel:
            closes = false;
            break;
        }
    }
    writeSettings();
    return closes;
}

void TForm1::writeSettings()
{
    ProgramOptions options;
    options.TlkFolder = state_.TlkFolder;
    options.LanguageFile = state_.LanguageFile;
    options.LanguageNumber = state_.LanguageNumber;
    options.FontName = bytes(font().family());
    options.FontSize = ui_.Memo1->font().pointSize();
    options.Top = pos().y();
    options.Left = pos().x();
    options.Width = outerWidth();
    options.Height = outerHeight();
    IniFile settings(environment_.settingsFile);
    Result written = writeProgramOptions(settings, options);
    if (!written.ok())
        prompts_.showError(this, QString::fromStdString(written.reason()));
}

void TForm1::FileExitExecute()
{
    close();
}

QString TForm1::text(std::string_view bytes) const
{
    return toQString(codePage_, bytes);
}

QString TForm1::message(MessageKey key) const
{
    return text(state_.MessageTexts[key]);
}

std::string TForm1::bytes(const QString& text) const
{
    return fromQString(codePage_, text);
}

std::string TForm1::fileSystemPath(const std::string& path) const
{
    return codePage_.toFileSystem(path);
}

void TForm1::reportFileFailure(const Result& result)
{
    prompts_.showMessage(this, message(MessageKey::NotFound), message(MessageKey::NFCaption),
                         QString::fromStdString(result.reason()));
}

void TForm1::guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        prompts_.showError(this, QString::fromLocal8Bit(failure.what()));
    }
}

} // namespace tw
