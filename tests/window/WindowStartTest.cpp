// The creation sequence, the design of the window and its layout rule.
#include "window/WindowFixture.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

using namespace tw;
using namespace tw::testing;

namespace {

void writeRegistry(const WindowFixture& fixture, const std::string& value)
{
    writeFile(fixture.folder / "system.reg",
              "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
              "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\BG2Main.Exe] 1700000000\n"
              "#time=1d9a5b0c2f3e4a0\n" +
                  value + "\n");
}

// A game folder inside the fixture's Wine prefix, holding a table.
std::string makeGameFolder(const WindowFixture& fixture)
{
    std::filesystem::create_directories(fixture.folder / "dosdevices/c:/Games/BG2");
    writeFile(fixture.folder / "dosdevices/c:/Games/BG2/dialog.tlk", numberedTable(3).fileBytes());
    writeRegistry(fixture, "\"Path\"=\"C:\\\\Games\\\\BG2\\\\\"");
    return fixture.folder / "dosdevices/c:/Games/BG2/";
}

QString setting(const WindowFixture& fixture, const char* key)
{
    IniFile settings(fixture.settingsPath());
    return QString::fromStdString(settings.readString("ProgramOption", key, "<missing>"));
}

} // namespace

class WindowStartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Talkwarden"); }

    void firstStartUsesTheRegistryAndTheDefaults()
    {
        WindowFixture fixture;
        const std::string game = makeGameFolder(fixture);
        TForm1& window = fixture.open();

        QCOMPARE(fixture.state().TlkFolder, game);
        QCOMPARE(fixture.state().table.EntryCount(), 3u);
        QCOMPARE(fixture.ui().Memo1->toPlainText(), QString("text 0"));
        QCOMPARE(fixture.ui().Label3->text(), QString("0 - 2"));
        QVERIFY(fixture.ui().English1->isChecked());
        QVERIFY(!fixture.ui().Japanese1->isChecked());
        QCOMPARE(window.font().family(), QString("MS Sans Serif"));
        QCOMPARE(fixture.ui().Memo1->font().pointSize(), 9);
        QCOMPARE(window.outerWidth(), 500);
        QCOMPARE(window.outerHeight(), 350);
        QVERIFY(fixture.prompts.asked.empty());

        window.close();
        const std::string written = readFile(fixture.settingsPath());
        for (const char* key : {"Path=", "Language=0", "Language Number=0", "FontName=MS Sans Serif", "FontSize=9",
                                "Top=", "Left=", "Width=500", "Height=350"})
            QVERIFY2(written.find(std::string("\r\n") + key) != std::string::npos, key);
        QCOMPARE(setting(fixture, "Path"), QString::fromStdString(game));
    }

    void noGameInTheRegistryLoadsFromTheWorkingFolder()
    {
        WindowFixture fixture;
        writeRegistry(fixture, "\"Other\"=\"x\"");
        fixture.writeTable(numberedTable(4));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(fixture.folder.path()));
        fixture.open();
        QDir::setCurrent(previous);

        QCOMPARE(fixture.state().TlkFolder, std::string());
        QCOMPARE(fixture.state().table.EntryCount(), 4u);
    }

    void emptyPathSkipsTheRegistry()
    {
        WindowFixture fixture;
        makeGameFolder(fixture);
        fixture.writeSettings("Path=\r\n");
        fixture.open();

        QCOMPARE(fixture.state().TlkFolder, std::string());
        QCOMPARE(fixture.state().TlkPath, std::string("dialog.tlk"));
    }

    void pathZeroLooksUpTheRegistryAndStoresWhatItFound()
    {
        WindowFixture fixture;
        const std::string game = makeGameFolder(fixture);
        fixture.writeSettings("Path=0\r\n");
        fixture.open().close();

        QCOMPARE(setting(fixture, "Path"), QString::fromStdString(game));
    }

    void aRegistryValueOfTheWrongTypeIsReportedAndTheProgramStarts()
    {
        WindowFixture fixture;
        writeRegistry(fixture, "\"Path\"=dword:00000001");
        fixture.open();

        QCOMPARE(fixture.prompts.kinds(), QStringList({"error", "message"}));
        QCOMPARE(fixture.prompts.asked[0].text, QString("Invalid data type for 'Path'"));
        QCOMPARE(fixture.state().TlkFolder, std::string());
        QVERIFY(fixture.window->isEnabled());
    }

    void languageNumberTwoKeepsTheDesignMarksAndIsWrittenBack()
    {
        WindowFixture fixture;
        fixture.writeTable(numberedTable());
        fixture.useFolder("Language Number=2\r\n");
        fixture.open();
        QVERIFY(fixture.ui().English1->isChecked());
        QVERIFY(!fixture.ui().Japanese1->isChecked());

        fixture.window->close();
        QCOMPARE(setting(fixture, "Language Number"), QString("2"));
    }

    void storedBoundsAndFontAreApplied_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("size");
        QTest::newRow("stored") << "Top=120\r\nLeft=130\r\nWidth=640\r\nHeight=480\r\nFontName=DejaVu Serif\r\nFontSize=14\r\n"
                                << 640 << 480 << "DejaVu Serif" << 14;
        QTest::newRow("not numbers") << "Width=abc\r\nHeight=\r\nFontSize=big\r\n" << 500 << 350 << "MS Sans Serif" << 9;
        QTest::newRow("empty face") << "FontName=\r\nFontSize=0x0C\r\n" << 500 << 350 << "MS Sans Serif" << 12;
    }
    void storedBoundsAndFontAreApplied()
    {
        QFETCH(QString, lines);
        WindowFixture fixture;
        fixture.writeTable(numberedTable());
        fixture.useFolder(lines.toStdString());
        TForm1& window = fixture.open();

        QTEST(window.outerWidth(), "width");
        QTEST(window.outerHeight(), "height");
        QTEST(window.font().family(), "face");
        QTEST(fixture.ui().Memo1->font().pointSize(), "size");
        QCOMPARE(fixture.ui().Memo1->font().family(), window.font().family());
        if (lines.contains("Top=120"))
            QCOMPARE(window.pos(), QPoint(130, 120));
    }

    void aTableThatCannotBeOpenedIsReportedWithItsReason()
    {
        WindowFixture fixture;
        fixture.useFolder();
        fixture.open();

        QCOMPARE(fixture.prompts.kinds(), QStringList({"message"}));
        const auto& box = fixture.prompts.asked[0];
        QCOMPARE(box.text, QString("Dialog.tlk is not found!!"));
        QCOMPARE(box.caption, QString("Error"));
        QVERIFY2(box.detail.contains("No such file"), qPrintable(box.detail));
        QVERIFY(!fixture.ui().Button1->isEnabled());
        QVERIFY(!fixture.ui().FileSave->isEnabled());
        QCOMPARE(fixture.ui().Label3->text(), QString("0 - 62186"));
    }

    void theControlsStandWhereTheDesignPutsThem()
    {
        WindowFixture fixture;
        fixture.writeTable(numberedTable());
        fixture.useFolder();
        TForm1& window = fixture.openShown();
        const auto& ui = fixture.ui();

        QCOMPARE(ui.ClientArea->size(), QSize(492, 304));
        QCOMPARE(ui.ToolBar1->geometry(), QRect(0, 0, 492, 29));
        QCOMPARE(ui.StatusBar1->geometry(), QRect(0, 285, 492, 19));
        QVERIFY(ui.StatusBar1->isSizeGripEnabled());
        QCOMPARE(ui.Label1->pos(), QPoint(16, 40));
        QCOMPARE(ui.Label2->pos(), QPoint(16, 64));
        QCOMPARE(ui.Label3->pos(), QPoint(272, 43));
        QCOMPARE(ui.Edit2->geometry(), QRect(120, 38, 97, 21));
        QCOMPARE(ui.Button3->geometry(), QRect(224, 37, 41, 25));
        QCOMPARE(ui.Button1->geometry(), QRect(150, 255, 75, 25));
        QCOMPARE(ui.Button2->geometry(), QRect(250, 255, 75, 25));
        QCOMPARE(ui.Memo1->geometry(), QRect(16, 80, 460, 170));
        const int lefts[] = {4, 27, 50, 73, 81, 104, 127, 150, 158, 181, 204, 212};
        for (int i = 0; i < 12; ++i) {
            QWidget* button = window.findChild<QWidget*>(QString("ToolButton%1").arg(i + 1));
            QVERIFY(button);
            if (auto* tool = qobject_cast<QToolButton*>(button)) {
                QCOMPARE(tool->geometry(), QRect(lefts[i], 2, 23, 22));
                QCOMPARE(tool->toolButtonStyle(), Qt::ToolButtonIconOnly);
                QVERIFY(!tool->icon().isNull());
                QCOMPARE(tool->focusPolicy(), Qt::NoFocus);
            } else {
                QVERIFY(button->x() >= lefts[i] && button->x() + button->width() <= lefts[i] + 8);
            }
        }
    }

    void theLayoutRuleFollowsTheOuterSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("writeLeft");
        QTest::addColumn<int>("buttonsTop");
        QTest::addColumn<QSize>("textBox");
        QTest::newRow("501 wide") << 501 << 350 << 150 << 255 << QSize(461, 170);
        QTest::newRow("499 wide") << 499 << 350 << 149 << 255 << QSize(459, 170);
        QTest::newRow("400 high") << 500 << 400 << 150 << 305 << QSize(460, 220);
        QTest::newRow("very low") << 500 << 150 << 150 << 55 << QSize(460, 0);
    }
    void theLayoutRuleFollowsTheOuterSize()
    {
        WindowFixture fixture;
        fixture.writeTable(numberedTable());
        fixture.useFolder();
        TForm1& window = fixture.openShown();
        QFETCH(int, width);
        QFETCH(int, height);
        window.setOuterWidth(width);
        window.setOuterHeight(height);
        QTRY_COMPARE(window.outerWidth(), width);

        QTEST(fixture.ui().Button1->x(), "writeLeft");
        QTEST(fixture.ui().Button1->y(), "buttonsTop");
        QCOMPARE(fixture.ui().Button2->pos(), fixture.ui().Button1->pos() + QPoint(100, 0));
        QTEST(fixture.ui().Memo1->size(), "textBox");
        QCOMPARE(fixture.ui().Memo1->pos(), QPoint(16, 80));
        QCOMPARE(fixture.ui().Edit2->pos(), QPoint(120, 38));
    }

    void theCommandsMenusAndFocusAreAsDesigned()
    {
        WindowFixture fixture;
        fixture.writeTable(numberedTable());
        fixture.useFolder();
        TForm1& window = fixture.openShown();
        const auto& ui = fixture.ui();

        struct Command {
            QAction* action;
            const char* caption;
            const char* hint;
            const char* shortcut;
        };
        const Command commands[] = {
            {ui.FileOpen1, "&Open PAT", "Open PAT File", ""},   {ui.FileSave, "&Save PAT", "Save PAT File", ""},
            {ui.FileExit, "E&xit", "Exit Application", ""},    {ui.EditCopy1, "&Copy", "Copy", "Ctrl+C"},
            {ui.EditCut1, "Cu&t", "Cut", "Ctrl+X"},            {ui.EditPaste1, "&Paste", "Paste", "Ctrl+V"},
            {ui.EditSearch, "Sea&rch", "Search strings", "Ctrl+F"}, {ui.EditNext, "Search &Next", "Search Next", ""},
            {ui.EditSetting, "&Setting...", "Edit Settings", ""}, {ui.EditFont, "&Font", "Font Setting", ""},
            {ui.LangEng, "&English", "Use English", ""},       {ui.LangJp, "&Japanese", "Use Japanese", ""},
        };
        for (const Command& c : commands) {
            QCOMPARE(c.action->text(), QString(c.caption));
            QCOMPARE(c.action->toolTip(), QString(c.hint));
            QCOMPARE(c.action->shortcut(), QKeySequence(c.shortcut));
            QVERIFY(c.action->statusTip().isEmpty());
        }
        QVERIFY(!ui.FileSave->isEnabled());
        QVERIFY(ui.FileOpen1->isEnabled());
        QCOMPARE(ui.SearchNext1->shortcut(), QKeySequence(Qt::Key_F3));

        auto entries = [](QMenu* menu) {
            QStringList names;
            for (QAction* entry : menu->actions())
                names << (entry->isSeparator() ? QString("-") : entry->objectName());
            return names;
        };
        QStringList titles;
        for (QAction* menu : ui.MainMenu1->actions())
            titles << menu->text();
        QCOMPARE(titles, QStringList({"&File", "&Edit", "&Language"}));
        QCOMPARE(entries(ui.File1), QStringList({"OpenPAT1", "SavePAT1", "-", "Exit1"}));
        QCOMPARE(entries(ui.Edit1),
                 QStringList({"Copy1", "Cut1", "Paste1", "Search1", "SearchNext1", "Font1", "Setting1"}));
        QCOMPARE(entries(ui.Language1), QStringList({"English1", "Japanese1"}));
        QCOMPARE(ui.SavePAT1->text(), QString("&Save PAT"));
        QVERIFY(!ui.SavePAT1->isEnabled());

        QCOMPARE(QApplication::focusWidget(), ui.Edit2);
        ui.Button1->setEnabled(true); // a disabled button is passed over by Tab
        QVERIFY(!ui.Edit2->testAttribute(Qt::WA_InputMethodEnabled));
        QWidget* order[] = {ui.Edit2, ui.Button1, ui.Button2, ui.Button3, ui.Memo1, ui.Edit2};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(QApplication::focusWidget(), order[i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order[i + 1]);
        }
        QCOMPARE(ui.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(ui.Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        (void)window;
    }
};

QTEST_MAIN(WindowStartTest)
#include "WindowStartTest.moc"
