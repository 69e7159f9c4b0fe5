// The interface language: SetLang, the two language commands and the language files we ship.
#include "window/WindowFixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolTip>

using namespace tw;
using namespace tw::testing;

namespace {

const std::string SourceFolder = TALKWARDEN_SOURCE_DIR;

// The tooltip a tool button shows when the mouse rests on it, if any.
std::optional<QString> tooltipOf(QWidget* button)
{
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &help);
    if (!QToolTip::isVisible())
        return std::nullopt;
    return QToolTip::text();
}

std::string shipped(const char* name)
{
    return readFile(SourceFolder + "/resources/" + name);
}

} // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> fixture;

    TForm1& openWith(const std::string& settings, CodePageId codePage = CodePageId::Windows1252)
    {
        fixture = std::make_unique<WindowFixture>();
        fixture->writeTable(numberedTable());
        fixture->useFolder(settings);
        return fixture->open(codePage);
    }
    void installShippedFiles() const
    {
        writeFile(fixture->folder / "english.ini", shipped("english.ini"));
        writeFile(fixture->folder / "japanese.ini", shipped("japanese.ini"));
    }
    std::string languagePath(const char* name) const { return fixture->folder / name; }

private slots:
    void initTestCase() { QApplication::setApplicationName("Talkwarden"); }
    void cleanup() { fixture.reset(); }

    void aFileWithoutKeysPutsEveryDefaultInPlace()
    {
        TForm1& window = openWith("");
        writeFile(fixture->folder / "empty.ini", "[FormData]\r\nUnrelated=1\r\n");
        fixture->state().LanguageFile = fixture->folder / "empty.ini";
        window.setWindowTitle("changed");
        fixture->ui().Label1->setText("changed");
        window.SetLang();
        const auto& ui = fixture->ui();

        QCOMPARE(window.windowTitle(), QString("Talkwarden"));
        QCOMPARE(ui.Label1->text(), QString("Reference Number"));
        QCOMPARE(ui.Button3->text(), QString("JUMP"));
        QCOMPARE(ui.Edit1->title(), QString("&Edit"));
        QCOMPARE(ui.EditSetting->text(), QString("Setting..."));
        QCOMPARE(ui.Setting1->text(), QString("Setting..."));
        QCOMPARE(ui.LangEng->text(), QString("English"));
        QCOMPARE(ui.LangJp->text(), QString("Japanese"));
        QCOMPARE(ui.EditFont->text(), QString("&Font"));
        QCOMPARE(ui.EditFont->toolTip(), QString("Font Setting"));
        QCOMPARE(fixture->state().MessageTexts[MessageKey::SearchPrompt], std::string("Search string:"));
        QCOMPARE(fixture->state().MessageTexts[MessageKey::NotFound], std::string("Dialog.tlk is not found!!"));
    }

    void theFileReplacesEveryTextAndAnEmptyValueEmptiesIt()
    {
        TForm1& window = openWith("");
        writeFile(fixture->folder / "custom.ini",
                  "[FormData]\r\nCaption=Custom\r\nRefNum=\r\nFontName=\r\n[Edit]\r\nFont=Typeface\r\n"
                  "[Error]\r\nQueryNotFound=Nothing.\r\n[File]\r\nFile=&Fichier\r\nFileOpenHint=\r\n");
        fixture->state().LanguageFile = fixture->folder / "custom.ini";
        window.SetLang();
        const auto& ui = fixture->ui();

        QCOMPARE(window.windowTitle(), QString("Custom"));
        QCOMPARE(ui.Label1->text(), QString());
        QCOMPARE(window.font().family(), QString("MS Sans Serif")); // an empty face changes nothing
        QCOMPARE(ui.EditFont->text(), QString("Typeface"));
        QCOMPARE(ui.EditFont->toolTip(), QString("Typeface"));
        QCOMPARE(ui.Font1->text(), QString("Typeface"));
        QCOMPARE(ui.File1->title(), QString("&Fichier"));
        QVERIFY(!tooltipOf(ui.ToolButton1).has_value());
        QCOMPARE(tooltipOf(ui.ToolButton2), std::optional<QString>("Save PAT File"));
        fixture->prompts.texts.push_back(QString("absent"));
        ui.EditSearch->trigger();
        QCOMPARE(fixture->prompts.asked.back().text, QString("Nothing."));
    }

    void theLanguageOfTheSettingsNeedNotMatchItsNumber()
    {
        fixture = std::make_unique<WindowFixture>();
        installShippedFiles();
        fixture->writeTable(numberedTable());
        fixture->useFolder("Language=" + languagePath("japanese.ini") + "\r\nLanguage Number=0\r\n");
        TForm1& window = fixture->open(CodePageId::ShiftJis);
        const auto& ui = fixture->ui();
        QCOMPARE(ui.File1->title(), QString::fromUtf8("ファイル(&F)"));
        QVERIFY(ui.English1->isChecked());

        ui.English1->trigger(); // already marked: nothing happens
        QCOMPARE(ui.File1->title(), QString::fromUtf8("ファイル(&F)"));
        QCOMPARE(fixture->state().LanguageNumber, 0);

        ui.Japanese1->trigger();
        QVERIFY(ui.Japanese1->isChecked());
        QVERIFY(!ui.English1->isChecked());
        QCOMPARE(fixture->state().LanguageNumber, 1);
        QCOMPARE(fixture->state().LanguageFile, fixture->folder.path() + "/japanese.ini");

        ui.English1->trigger();
        QCOMPARE(ui.File1->title(), QString("&File"));
        QCOMPARE(ui.EditSetting->text(), QString("&Setting..."));
        QCOMPARE(fixture->state().LanguageFile, fixture->folder.path() + "/english.ini");
        window.close();
        IniFile settings(fixture->settingsPath());
        QCOMPARE(settings.readString("ProgramOption", "Language", ""), fixture->folder.path() + "/english.ini");
        QCOMPARE(settings.readInteger("ProgramOption", "Language Number", -1), 0);
    }

    void noLanguageFileWithJapaneseMarkedNeedsEnglishFirst()
    {
        fixture = std::make_unique<WindowFixture>();
        installShippedFiles();
        fixture->writeTable(numberedTable());
        fixture->useFolder("Language=0\r\nLanguage Number=1\r\n");
        fixture->open(CodePageId::ShiftJis);
        const auto& ui = fixture->ui();
        QVERIFY(ui.Japanese1->isChecked());
        QCOMPARE(ui.File1->title(), QString("&File"));

        ui.Japanese1->trigger();
        QCOMPARE(ui.File1->title(), QString("&File"));
        ui.English1->trigger();
        ui.Japanese1->trigger();
        QCOMPARE(ui.File1->title(), QString::fromUtf8("ファイル(&F)"));
        QCOMPARE(ui.Label1->text(), QString::fromUtf8("参照番号"));
        QCOMPARE(ui.Button1->text(), QString::fromUtf8("書き込み"));
        QCOMPARE(ui.ToolButton9->toolTip(), QString::fromUtf8("文字列を検索します"));
        QCOMPARE(fixture->window->font().family(), QString::fromUtf8("ＭＳ Ｐゴシック"));
    }

    void theSettingsFaceWinsAtStartAndTheLanguageFaceOnASwitch()
    {
        fixture = std::make_unique<WindowFixture>();
        installShippedFiles();
        fixture->writeTable(numberedTable());
        fixture->useFolder("Language=" + languagePath("japanese.ini") + "\r\nLanguage Number=1\r\nFontName=DejaVu Serif\r\n");
        TForm1& window = fixture->open(CodePageId::ShiftJis);
        QCOMPARE(window.font().family(), QString("DejaVu Serif"));

        fixture->prompts.fonts.push_back(QFont("DejaVu Sans Mono", 15));
        fixture->ui().EditFont->trigger();
        QCOMPARE(window.font().family(), QString("DejaVu Sans Mono"));
        QCOMPARE(fixture->ui().Memo1->font().pointSize(), 15);
        QCOMPARE(fixture->ui().Memo1->font().family(), QString("DejaVu Sans Mono"));

        fixture->ui().English1->trigger();
        QCOMPARE(window.font().family(), QString("MS Sans Serif"));
        QCOMPARE(fixture->ui().Memo1->font().pointSize(), 15);
        window.close();
        IniFile settings(fixture->settingsPath());
        QCOMPARE(settings.readString("ProgramOption", "FontName", ""), std::string("MS Sans Serif"));
        QCOMPARE(settings.readInteger("ProgramOption", "FontSize", 0), 15);
    }

    void theLoadAtStartAlreadySpeaksTheLanguage()
    {
        fixture = std::make_unique<WindowFixture>();
        installShippedFiles();
        fixture->useFolder("Language=" + languagePath("japanese.ini") + "\r\n"); // no dialog.tlk
        fixture->open(CodePageId::ShiftJis);

        QCOMPARE(fixture->busyNotices.notices,
                 QStringList({QString::fromUtf8("読み込み中... | 読み込み中です。お待ちください。")}));
        QCOMPARE(fixture->prompts.kinds(), QStringList({"message"}));
        QCOMPARE(fixture->prompts.asked[0].text, QString::fromUtf8("Dialog.tlk が見つかりません。"));
        QCOMPARE(fixture->prompts.asked[0].caption, QString::fromUtf8("エラー"));
        QCOMPARE(fixture->ui().Label3->text(), QString("0 - 62186"));
    }

    void theShippedFilesHoldEveryKey()
    {
        for (const char* name : {"english.ini", "japanese.ini"}) {
            fixture = std::make_unique<WindowFixture>();
            writeFile(fixture->folder / name, shipped(name));
            IniFile file(fixture->folder / name);
            for (const LanguageRow& row : LanguageRows)
                QVERIFY2(file.readString(row.section, row.key, "<missing>") != "<missing>",
                         qPrintable(QString("%1 [%2] %3").arg(name, QString::fromLatin1(row.section.data(), row.section.size()),
                                                              QString::fromLatin1(row.key.data(), row.key.size()))));
        }
        fixture = std::make_unique<WindowFixture>();
        installShippedFiles();
        fixture->writeTable(numberedTable());
        fixture->useFolder("Language=" + languagePath("english.ini") + "\r\n");
        TForm1& window = fixture->open();
        const auto& ui = fixture->ui();
        // The English file holds the design texts themselves.
        QCOMPARE(ui.EditSetting->text(), QString("&Setting..."));
        QCOMPARE(ui.LangEng->text(), QString("&English"));
        QCOMPARE(fixture->state().MessageTexts[MessageKey::SearchPrompt], std::string("Search String:"));
        QCOMPARE(window.windowTitle(), QString("Talkwarden"));
    }
};

QTEST_MAIN(WindowLanguageTest)
#include "WindowLanguageTest.moc"
