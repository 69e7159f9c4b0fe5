// Going to an entry, editing its text, WRITE, RELOAD and closing with unsaved changes.
#include "window/WindowFixture.h"

#include "talktable/TalkTableFile.h"

#include <QClipboard>
#include <filesystem>

using namespace tw;
using namespace tw::testing;

namespace {

// A table whose last entry is 62186, as the game's own table has.
const TableBuilder& bigTable()
{
    static const TableBuilder table = numberedTable(62187);
    return table;
}

TableBuilder lineBreakTable()
{
    TableBuilder builder;
    builder.add("plain").add("one\ntwo\nthree").add("dos\r\nstyle\r\nbreaks").add("lone\rcarriage").add("after");
    return builder;
}

TalkTable tableOnDisk(const std::string& path)
{
    TalkTable table;
    [[maybe_unused]] Result loaded = readTalkTable(path, table);
    return table;
}

} // namespace

class WindowEditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> fixture;

    TForm1& openWith(const TableBuilder& table, const std::string& settings = "")
    {
        fixture = std::make_unique<WindowFixture>();
        fixture->writeTable(table);
        fixture->useFolder(settings);
        return fixture->openShown();
    }

private slots:
    void initTestCase() { QApplication::setApplicationName("Talkwarden"); }
    void cleanup() { fixture.reset(); }

    void referenceNumbersAreParsedAndClamped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("entry");
        QTest::newRow("beyond the last") << "70000" << "62186" << 62186;
        QTest::newRow("the last") << "62186" << "62186" << 62186;
        QTest::newRow("minus one") << "-1" << "62186" << 62186;
        QTest::newRow("letters") << "abc" << "0" << 0;
        QTest::newRow("trailing space") << "12 " << "0" << 0;
        QTest::newRow("empty") << "" << "0" << 0;
        QTest::newRow("dollar hex") << "$10" << "$10" << 16;
        QTest::newRow("leading space") << " 16" << " 16" << 16;
        QTest::newRow("minus zero") << "-0" << "-0" << 0;
        QTest::newRow("plus") << "+7" << "+7" << 7;
        QTest::newRow("leading zeros") << "007" << "007" << 7;
        QTest::newRow("out of range") << "99999999999" << "0" << 0;
    }
    void referenceNumbersAreParsedAndClamped()
    {
        openWith(bigTable());
        QFETCH(QString, typed);
        fixture->jumpTo(typed);

        QTEST(fixture->ui().Edit2->text(), "box");
        QFETCH(int, entry);
        QCOMPARE(fixture->state().CurrentIndex, std::uint32_t(entry));
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString("text %1").arg(entry));
        QCOMPARE(QApplication::focusWidget(), fixture->ui().Edit2);
        QVERIFY(fixture->prompts.asked.empty());
    }

    void jumpGivesWhatEnterGives()
    {
        openWith(numberedTable());
        fixture->ui().Edit2->setText("$7");
        QTest::mouseClick(fixture->ui().Button3, Qt::LeftButton);

        QCOMPARE(fixture->state().CurrentIndex, 7u);
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString("text 7"));
        QCOMPARE(fixture->ui().Edit2->text(), QString("$7"));
    }

    void escapeEmptiesTheBoxAndLeavingItGivesZero()
    {
        openWith(numberedTable());
        fixture->jumpTo("5");
        fixture->ui().Edit2->setText("8");
        QTest::keyClick(fixture->ui().Edit2, Qt::Key_Escape);

        QCOMPARE(fixture->ui().Edit2->text(), QString());
        QCOMPARE(fixture->state().CurrentIndex, 5u);
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString("text 5"));

        QTest::keyClick(fixture->ui().Edit2, Qt::Key_Tab);
        QCOMPARE(fixture->ui().Edit2->text(), QString("0"));
        QCOMPARE(fixture->state().CurrentIndex, 0u);
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString("text 5")); // shown only by JUMP or Enter
    }

    void typingStoresTheTextWithLfBreaksAndMovesLaterOffsets()
    {
        openWith(lineBreakTable());
        const auto& ui = fixture->ui();
        ProgramState& state = fixture->state();
        QVERIFY(!ui.Button1->isEnabled());
        QVERIFY(!ui.FileSave->isEnabled());

        fixture->jumpTo("1");
        QCOMPARE(ui.Memo1->toPlainText(), QString("one\ntwo\nthree"));
        QTest::keyClick(ui.Memo1, Qt::Key_End, Qt::ControlModifier);
        fixture->typeIntoTextBox("!");
        QTest::keyClick(ui.Memo1, Qt::Key_Backspace);

        QCOMPARE(state.table.textBytes(1), std::string_view("one\ntwo\nthree"));
        QCOMPARE(state.table.PatchMark(1), std::int16_t(1));
        QCOMPARE(state.Modified, 1);
        QVERIFY(ui.Button1->isEnabled());
        QVERIFY(ui.FileSave->isEnabled());
        QVERIFY(ui.SavePAT1->isEnabled());

        const std::uint32_t laterOffset = state.table.entry(3).textOffset();
        fixture->jumpTo("2");
        QCOMPARE(ui.Memo1->toPlainText(), QString("dos\nstyle\nbreaks"));
        QTest::keyClick(ui.Memo1, Qt::Key_Home, Qt::ControlModifier);
        fixture->typeIntoTextBox("x");
        QCOMPARE(state.table.textBytes(2), std::string_view("xdos\nstyle\nbreaks"));
        QCOMPARE(state.table.entry(2).textLength(), 17u); // 19 bytes held, two CR dropped, one typed
        QCOMPARE(state.table.entry(3).textOffset(), laterOffset - 1);
        QCOMPARE(state.table.entry(4).textOffset(), state.table.entry(3).textOffset() + 13);

        fixture->jumpTo("3");
        QCOMPARE(ui.Memo1->toPlainText(), QString("lone\ncarriage"));
        QCOMPARE(state.table.textBytes(3), std::string_view("lone\rcarriage")); // showing stores nothing
    }

    void writeSavesTheTableAndKeepsTheOldFileAsBackup()
    {
        openWith(lineBreakTable());
        const std::string original = readFile(fixture->tablePath());
        fixture->jumpTo("0");
        fixture->typeIntoTextBox("Edited ");
        QTest::mouseClick(fixture->ui().Button1, Qt::LeftButton);

        QCOMPARE(fixture->state().Modified, 0);
        QVERIFY(!fixture->ui().Button1->isEnabled());
        QVERIFY(fixture->ui().FileSave->isEnabled());
        QCOMPARE(readFile(fixture->folder / "dialog.bak"), original);
        TalkTable written = tableOnDisk(fixture->tablePath());
        QCOMPARE(written.textBytes(0), std::string_view("Edited plain"));
        QCOMPARE(written.textBytes(2), std::string_view("dos\r\nstyle\r\nbreaks"));
        QCOMPARE(written.entry(1).textOffset(), 12u);
        QVERIFY(fixture->prompts.asked.empty());

        fixture->typeIntoTextBox("!");
        QVERIFY(fixture->ui().Button1->isEnabled());
    }

    void aFailedWriteKeepsTheChangesUnsavedAndWriteEnabled()
    {
        openWith(lineBreakTable());
        fixture->typeIntoTextBox("change ");
        fixture->state().TlkFolder = fixture->folder / "gone/";
        QTest::mouseClick(fixture->ui().Button1, Qt::LeftButton);

        QCOMPARE(fixture->prompts.kinds(), QStringList({"message"}));
        QCOMPARE(fixture->prompts.asked[0].text, QString("Dialog.tlk is not found!!"));
        QVERIFY(fixture->prompts.asked[0].detail.contains("gone"));
        QCOMPARE(fixture->state().Modified, 1);
        QVERIFY(fixture->ui().Button1->isEnabled());
        QCOMPARE(readFile(fixture->tablePath()), lineBreakTable().fileBytes());
    }

    void writeGoesToTheFolderSetMeanwhile()
    {
        openWith(numberedTable(3));
        TempFolder other;
        fixture->prompts.texts.push_back(QString::fromStdString(other.path() + "/"));
        fixture->ui().EditSetting->trigger();
        QCOMPARE(fixture->prompts.asked.back().caption, QString("Setting"));
        QCOMPARE(fixture->prompts.asked.back().text, QString("dialog.tlk's path:"));
        QCOMPARE(fixture->prompts.asked.back().detail, QString::fromStdString(fixture->folder.path() + "/"));
        fixture->typeIntoTextBox("moved ");
        QTest::mouseClick(fixture->ui().Button1, Qt::LeftButton);

        QCOMPARE(tableOnDisk(other / "dialog.tlk").textBytes(0), std::string_view("moved text 0"));
        QVERIFY(!fileExists(other / "dialog.bak"));
        QCOMPARE(readFile(fixture->tablePath()), numberedTable(3).fileBytes());
    }

    void reloadDiscardsChangesButKeepsModified()
    {
        openWith(numberedTable());
        fixture->jumpTo("4");
        fixture->typeIntoTextBox("lost ");
        QTest::mouseClick(fixture->ui().Button2, Qt::LeftButton);

        QCOMPARE(fixture->state().table.textBytes(4), std::string_view("text 4"));
        QCOMPARE(fixture->state().Modified, 1);
        QCOMPARE(fixture->state().CurrentIndex, 0u);
        QCOMPARE(fixture->ui().Edit2->text(), QString("0"));
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString("text 0"));
        QVERIFY(!fixture->ui().Button1->isEnabled());
        QVERIFY(!fixture->ui().FileSave->isEnabled());
    }

    void aChangeLandsInTheEntryTheTextBoxShows()
    {
        openWith(numberedTable());
        fixture->jumpTo("2");
        fixture->ui().Edit2->setText("6");
        fixture->ui().Memo1->setFocus(Qt::MouseFocusReason); // leaving the box parses it
        QCOMPARE(fixture->state().CurrentIndex, 6u);
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString("text 2"));

        fixture->typeIntoTextBox("shown ");

        QCOMPARE(fixture->state().table.textBytes(2), std::string_view("shown text 2"));
        QCOMPARE(fixture->state().table.textBytes(6), std::string_view("text 6"));
        QCOMPARE(fixture->state().table.PatchMark(6), std::int16_t(0));
    }

    void withNoTableNothingIsStoredShownOrWritten()
    {
        fixture = std::make_unique<WindowFixture>();
        writeFile(fixture->folder / "elsewhere.tlk", "");
        fixture->useFolder();
        fixture->openShown(); // the load fails: no dialog.tlk
        fixture->prompts.asked.clear();
        writeFile(fixture->tablePath(), "a file that is not ours to overwrite");

        fixture->typeIntoTextBox("typed");
        fixture->jumpTo("3");
        QVERIFY(fixture->ui().Memo1->isReadOnly());
        QCOMPARE(fixture->state().Modified, 0);
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString());
        QCOMPARE(fixture->state().TextLoading, 0);

        fixture->ui().Button1->setEnabled(true);
        QTest::mouseClick(fixture->ui().Button1, Qt::LeftButton);
        QCOMPARE(fixture->prompts.kinds(), QStringList({"message"}));
        QCOMPARE(readFile(fixture->tablePath()), std::string("a file that is not ours to overwrite"));
    }

    void anEmptyTableShowsNoRangeAndTakesNoText()
    {
        openWith(TableBuilder());
        QCOMPARE(fixture->ui().Label3->text(), QString("no entries"));
        QCOMPARE(fixture->ui().Edit2->text(), QString("0"));

        fixture->typeIntoTextBox("typed");
        fixture->jumpTo("0");

        QCOMPARE(fixture->state().Modified, 0);
        QVERIFY(!fixture->ui().Button1->isEnabled());
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString());
    }

    void closeAsksAboutUnsavedChangesAndAlwaysWritesTheSettings_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("tableWritten");
        QTest::newRow("yes") << int(Answer::Yes) << true << true;
        QTest::newRow("no") << int(Answer::No) << true << false;
        QTest::newRow("cancel") << int(Answer::Cancel) << false << false;
    }
    void closeAsksAboutUnsavedChangesAndAlwaysWritesTheSettings()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, tableWritten);
        TForm1& window = openWith(numberedTable());
        fixture->typeIntoTextBox("unsaved ");
        fixture->prompts.answers.push_back(Answer(answer));
        std::filesystem::remove(fixture->settingsPath());

        QCOMPARE(window.close(), closes);

        QCOMPARE(fixture->prompts.kinds(), QStringList({"question"}));
        QCOMPARE(fixture->prompts.asked[0].text, QString("Data is modified and not saved.Do you save data?"));
        QCOMPARE(fixture->prompts.asked[0].caption, QString("Caution"));
        QCOMPARE(fileExists(fixture->folder / "dialog.bak"), tableWritten);
        QCOMPARE(fixture->state().Modified, tableWritten ? 0 : 1);
        IniFile settings(fixture->settingsPath());
        for (const char* key : {"Path", "Language", "Language Number", "FontName", "FontSize", "Top", "Left", "Width", "Height"})
            QVERIFY2(settings.readString("ProgramOption", key, "<missing>") != "<missing>", key);
        if (!closes) {
            fixture->prompts.answers.push_back(Answer::No);
            QVERIFY(window.close());
            QCOMPARE(fixture->prompts.kinds(), QStringList({"question", "question"}));
        }
    }

    void closingWithNothingChangedAsksNothing()
    {
        TForm1& window = openWith(numberedTable());
        fixture->ui().FileExit->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(fixture->prompts.asked.empty());
        QVERIFY(fileExists(fixture->settingsPath()));
    }

    void aYesThatCannotWriteKeepsTheWindowOpen()
    {
        TForm1& window = openWith(numberedTable());
        fixture->typeIntoTextBox("unsaved ");
        fixture->state().TlkFolder = fixture->folder / "gone/";
        fixture->prompts.answers.push_back(Answer::Yes);

        QVERIFY(!window.close());
        QCOMPARE(fixture->prompts.kinds(), QStringList({"question", "message"}));
        QCOMPARE(fixture->state().Modified, 1);
    }

    void settingsThatCannotBeWrittenAreReportedAndTheWindowCloses()
    {
        TForm1& window = openWith(numberedTable());
        std::filesystem::remove(fixture->settingsPath());
        std::filesystem::create_directory(fixture->settingsPath());

        QVERIFY(window.close());
        QCOMPARE(fixture->prompts.kinds(), QStringList({"error"}));
        QVERIFY2(fixture->prompts.asked[0].text.contains("talkwarden.INI"), qPrintable(fixture->prompts.asked[0].text));
    }

    void copyCutAndPasteFollowTheFocusedBox()
    {
        openWith(numberedTable());
        const auto& ui = fixture->ui();
        QGuiApplication::clipboard()->clear();
        ui.Edit2->setFocus();
        QVERIFY(!ui.EditCopy1->isEnabled());
        QVERIFY(!ui.EditPaste1->isEnabled());

        ui.Edit2->setText("12");
        ui.Edit2->selectAll();
        QVERIFY(ui.EditCopy1->isEnabled());
        QVERIFY(ui.EditCut1->isEnabled());
        ui.EditCopy1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("12"));
        QVERIFY(ui.EditPaste1->isEnabled());

        ui.Memo1->setFocus();
        QVERIFY(!ui.EditCopy1->isEnabled());
        QTest::keyClick(ui.Memo1, Qt::Key_End);
        ui.EditPaste1->trigger();
        QCOMPARE(fixture->state().table.textBytes(0), std::string_view("text 012"));
        QCOMPARE(fixture->state().Modified, 1);
        ui.Memo1->selectAll();
        ui.EditCut1->trigger();
        QCOMPARE(fixture->state().table.textBytes(0), std::string_view(""));
    }
};

QTEST_MAIN(WindowEditingTest)
#include "WindowEditingTest.moc"
