// Search and Search Next through the window.
#include "window/WindowFixture.h"

using namespace tw;
using namespace tw::testing;

namespace {

// Entry 20 holds the query inside a longer text, entry 500 is it exactly; more entries contain it
// in other letter cases, some only in the middle of a line.
TableBuilder searchTable()
{
    TableBuilder builder = numberedTable(600);
    builder.texts[20] = "where is the Dragon Lair, traveller?";
    builder.texts[100] = "dragon lair";
    builder.texts[300] = "first line\nTHE DRAGON LAIR\nlast line";
    builder.texts[500] = "Dragon Lair";
    builder.texts[550] = "dragon lair";
    builder.texts[599] = "";
    builder.texts[40] = "";
    return builder;
}

} // namespace

class WindowSearchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> fixture;

    void openWith(const TableBuilder& table)
    {
        fixture = std::make_unique<WindowFixture>();
        fixture->writeTable(table);
        fixture->useFolder();
        fixture->openShown();
    }
    void search(const QString& query)
    {
        fixture->prompts.texts.push_back(query);
        fixture->ui().EditSearch->trigger();
    }
    void next() { fixture->ui().EditNext->trigger(); }
    std::uint32_t current() { return fixture->state().CurrentIndex; }
    int notFoundMessages()
    {
        int count = 0;
        for (const auto& asked : fixture->prompts.asked)
            count += asked.kind == "message" && asked.text == "Search string is not found." &&
                     asked.caption == "Not Found";
        return count;
    }

private slots:
    void initTestCase() { QApplication::setApplicationName("Talkwarden"); }
    void cleanup() { fixture.reset(); }

    void searchWidensStageByStageAndNextNeverNarrows()
    {
        openWith(searchTable());
        search("Dragon Lair");
        const auto& prompt = fixture->prompts.asked.back();
        QCOMPARE(prompt.caption, QString("Search"));
        QCOMPARE(prompt.text, QString("Search String:"));
        QCOMPARE(prompt.detail, QString());
        QCOMPARE(current(), 500u);
        QCOMPARE(fixture->ui().Edit2->text(), QString("500"));
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString("Dragon Lair"));
        QCOMPARE(fixture->state().SearchStage, 0);

        next(); // no exact match after 500: stage 1 finds 550; entry 20 and 100 lie behind
        QCOMPARE(current(), 550u);
        QCOMPARE(fixture->state().SearchStage, 1);
        next();
        QCOMPARE(notFoundMessages(), 1);
        QCOMPARE(current(), 550u);
        QCOMPARE(fixture->state().SearchStage, 1);

        search("Dragon Lair"); // the prompt starts with the last query
        QCOMPARE(fixture->prompts.asked.back().detail, QString("Dragon Lair"));
        QCOMPARE(current(), 550u); // a new Search begins with the current entry itself, at stage 0 again
        QCOMPARE(fixture->state().SearchStage, 1);
    }

    void onceAtTheWidestStageNextVisitsEveryLaterMatchThenReports()
    {
        openWith(searchTable());
        search("dRaGoN"); // held in no text in these letters: only the widest stage finds it
        QCOMPARE(current(), 20u);
        QCOMPARE(fixture->state().SearchStage, 3);
        std::vector<std::uint32_t> visited;
        for (int i = 0; i < 5; ++i) {
            next();
            visited.push_back(current());
        }
        QCOMPARE(visited, (std::vector<std::uint32_t> {100, 300, 500, 550, 550}));
        QCOMPARE(notFoundMessages(), 1);
        QCOMPARE(fixture->ui().Memo1->toPlainText(), QString("dragon lair"));
    }

    void searchingStoresNothingAndLeavesTextLoadingClear()
    {
        openWith(searchTable());
        search("lair"); // entry 20 holds "Lair": the case-exact copy in entry 100 is found first
        QCOMPARE(current(), 100u);
        QCOMPARE(fixture->state().SearchStage, 2);
        QCOMPARE(fixture->state().Modified, 0);
        QCOMPARE(fixture->state().table.PatchMark(100), std::int16_t(0));
        QCOMPARE(fixture->state().TextLoading, 0);
        QVERIFY(!fixture->ui().Button1->isEnabled());
        QVERIFY(!fixture->ui().FileSave->isEnabled());
    }

    void nextOnTheLastEntryExaminesNothing()
    {
        openWith(searchTable());
        fixture->jumpTo("599");
        search(""); // entry 599 is empty: found where the search begins
        QCOMPARE(current(), 599u);
        next();
        QCOMPARE(notFoundMessages(), 1);
        QCOMPARE(current(), 599u);
    }

    void theQueryZeroFindsNothingAndAnEmptyQueryFindsEmptyTexts()
    {
        TableBuilder table = searchTable();
        table.texts[3] = "0";
        openWith(table);
        search("0");
        QCOMPARE(notFoundMessages(), 1);
        next();
        QCOMPARE(notFoundMessages(), 2);
        QCOMPARE(current(), 0u);

        search("");
        QCOMPARE(current(), 40u);
        next();
        QCOMPARE(current(), 599u);
    }

    void cancelChangesNothing()
    {
        openWith(searchTable());
        search("lair");
        fixture->jumpTo("7");
        fixture->prompts.texts.push_back(std::nullopt);
        fixture->ui().EditSearch->trigger();
        QCOMPARE(fixture->state().SearchText, std::string("lair"));
        QCOMPARE(fixture->state().SearchStage, 2);
        QCOMPARE(current(), 7u);
        next(); // goes on from the entry gone to, at the remembered stage
        QCOMPARE(current(), 100u);
    }

    void theShortcutsReachTheCommands()
    {
        openWith(searchTable());
        fixture->prompts.texts.push_back(QString("Dragon Lair"));
        QTest::keyClick(fixture->window.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(fixture->prompts.kinds(), QStringList({"text"}));
        QCOMPARE(current(), 500u);
        QTest::keyClick(fixture->window.get(), Qt::Key_F3);
        QCOMPARE(current(), 550u);
    }
};

QTEST_MAIN(WindowSearchTest)
#include "WindowSearchTest.moc"
