// Save PAT and Open PAT through the window.
#include "window/WindowFixture.h"

#include "support/PatchBytes.h"

#include <filesystem>

using namespace tw;
using namespace tw::testing;

class WindowPatchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> fixture;

    TForm1& openWith(const TableBuilder& table)
    {
        fixture = std::make_unique<WindowFixture>();
        fixture->writeTable(table);
        fixture->useFolder();
        return fixture->openShown();
    }
    void exportTo(const std::string& path)
    {
        fixture->prompts.paths.push_back(QString::fromStdString(path));
        fixture->ui().FileSave->trigger();
    }
    void importFrom(const std::string& path)
    {
        fixture->prompts.paths.push_back(QString::fromStdString(path));
        fixture->ui().FileOpen1->trigger();
    }
    void change(const QString& entry, const QString& typed)
    {
        fixture->jumpTo(entry);
        QTest::keyClick(fixture->ui().Memo1, Qt::Key_End, Qt::ControlModifier);
        fixture->typeIntoTextBox(typed);
    }

private slots:
    void initTestCase() { QApplication::setApplicationName("Talkwarden"); }
    void cleanup() { fixture.reset(); }

    void exportWritesChangedEntriesAscendingAndDisablesSavePat()
    {
        openWith(numberedTable());
        change("7", "!");
        change("2", "?");
        fixture->busyNotices.notices.clear();
        exportTo(fixture->folder / "out.pat");

        QCOMPARE(readFile(fixture->folder / "out.pat"), patchRecord(2, "text 2?") + patchRecord(7, "text 7!"));
        QVERIFY(!fixture->ui().FileSave->isEnabled());
        QCOMPARE(fixture->state().table.PatchMark(2), std::int16_t(0));
        QCOMPARE(fixture->state().Modified, 1);
        QVERIFY(fixture->ui().Button1->isEnabled());
        QCOMPARE(fixture->state().CurrentIndex, 2u);
        QCOMPARE(fixture->busyNotices.notices, QStringList({"Saving... | Please wait while saving."}));
    }

    void exportAfterWriteStillHoldsTheChanges()
    {
        openWith(numberedTable());
        change("3", " changed");
        QTest::mouseClick(fixture->ui().Button1, Qt::LeftButton);
        QVERIFY(fixture->ui().FileSave->isEnabled());
        exportTo(fixture->folder / "after-write.pat");

        QCOMPARE(readFile(fixture->folder / "after-write.pat"), patchRecord(3, "text 3 changed"));
    }

    void importAppliesRecordsInOrderAndShowsEntryZero()
    {
        openWith(numberedTable());
        fixture->jumpTo("5");
        writeFile(fixture->folder / "in.pat", patchRecord(5, "first") + patchRecord(1, "one\r\nbreak") + patchRecord(5, "second"));
        fixture->busyNotices.notices.clear();
        importFrom(fixture->folder / "in.pat");

        ProgramState& state = fixture->state();
        QCOMPARE(state.table.textBytes(5), std::string_view("second"));
        QCOMPARE(state.table.textBytes(1), std::string_view("one\r\nbreak"));
        QCOMPARE(state.table.entry(6).textOffset(), 36u + 4u); // entry 1 grew by 4, entry 5 kept its 6 bytes
        QCOMPARE(state.CurrentIndex, 0u);
        QCOMPARE(fixture->ui().Edit2->text(), QString("0"));
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString("text 0"));
        QCOMPARE(state.Modified, 0);
        QVERIFY(fixture->ui().Button1->isEnabled());
        QVERIFY(fixture->ui().FileSave->isEnabled());
        QCOMPARE(fixture->busyNotices.notices, QStringList({"Loading... | Please wait while loading."}));

        // Out again: ascending, one record each, the CR LF kept, together with what was typed before.
        change("8", "+");
        exportTo(fixture->folder / "out.pat");
        QCOMPARE(readFile(fixture->folder / "out.pat"),
                 patchRecord(1, "one\r\nbreak") + patchRecord(5, "second") + patchRecord(8, "text 8+"));
    }

    void anEmptyPatchEnablesTheCommandsAndExportsNothing()
    {
        TForm1& window = openWith(numberedTable());
        writeFile(fixture->folder / "empty.pat", "");
        importFrom(fixture->folder / "empty.pat");
        QVERIFY(fixture->ui().FileSave->isEnabled());
        QVERIFY(fixture->ui().Button1->isEnabled());
        QCOMPARE(fixture->state().Modified, 0);

        writeFile(fixture->folder / "out.pat", "old contents");
        exportTo(fixture->folder / "out.pat");
        QCOMPARE(readFile(fixture->folder / "out.pat"), std::string());
        QVERIFY(window.close()); // Modified is still 0: no question
        QCOMPARE(fixture->prompts.kinds(), QStringList({"open", "save"}));
    }

    void cancellingEitherDialogChangesNothing()
    {
        openWith(numberedTable());
        change("4", "!");
        fixture->busyNotices.notices.clear();
        fixture->prompts.paths.push_back(std::nullopt);
        fixture->ui().FileSave->trigger();
        fixture->prompts.paths.push_back(std::nullopt);
        fixture->ui().FileOpen1->trigger();

        QVERIFY(fixture->busyNotices.notices.isEmpty());
        QVERIFY(fixture->ui().FileSave->isEnabled());
        QCOMPARE(fixture->state().table.PatchMark(4), std::int16_t(1));
        QCOMPARE(fixture->state().CurrentIndex, 4u);
    }

    void refusedPatchFilesChangeNoText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const std::string good = patchRecord(1, "applied?");
        QTest::newRow("cut short") << QByteArray::fromStdString(good + patchRecord(2, "cut").substr(0, 9)) << "cut short";
        QTest::newRow("entry beyond") << QByteArray::fromStdString(good + patchRecord(10, "beyond")) << "names entry 10";
    }
    void refusedPatchFilesChangeNoText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        openWith(numberedTable());
        writeFile(fixture->folder / "bad.pat", bytes.toStdString());
        importFrom(fixture->folder / "bad.pat");

        QCOMPARE(fixture->prompts.kinds(), QStringList({"open", "message"}));
        QCOMPARE(fixture->prompts.asked[1].text, QString("Dialog.tlk is not found!!"));
        QVERIFY2(fixture->prompts.asked[1].detail.contains(reason), qPrintable(fixture->prompts.asked[1].detail));
        QCOMPARE(fixture->state().table.textBytes(1), std::string_view("text 1"));
        QCOMPARE(fixture->state().table.PatchMark(1), std::int16_t(0));
    }

    void anExportThatCannotBeWrittenKeepsTheMarks()
    {
        openWith(numberedTable());
        change("6", "!");
        std::filesystem::create_directory(fixture->folder / "taken.pat");
        exportTo(fixture->folder / "taken.pat");

        QCOMPARE(fixture->prompts.kinds(), QStringList({"save", "message"}));
        QCOMPARE(fixture->state().table.PatchMark(6), std::int16_t(1));
        QVERIFY(fixture->ui().FileSave->isEnabled());

        exportTo(fixture->folder / "retry.pat");
        QCOMPARE(readFile(fixture->folder / "retry.pat"), patchRecord(6, "text 6!"));
    }
};

QTEST_MAIN(WindowPatchTest)
#include "WindowPatchTest.moc"
