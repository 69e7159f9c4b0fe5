// The real Qt boxes and dialogs, each opened once and answered by a timer as a person would.
#include "support/TempFolder.h"
#include "window/QtPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace tw;

namespace {

// Runs `answer` on the modal box as soon as it is open.
void whenOpen(const std::function<void(QWidget*)>& answer)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(box);
        }
    });
    poll->start();
}


} // namespace

class QtPromptsTest : public QObject {
    Q_OBJECT

    QtPrompts prompts;

private slots:
    void initTestCase() { QApplication::setApplicationName("Talkwarden"); }

    void theMessageBoxShowsTextCaptionDetailAndOk()
    {
        QString title, text, detail;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::Critical;
        whenOpen([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            title = box->windowTitle();
            text = box->text();
            detail = box->detailedText();
            buttons = box->standardButtons();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        });
        prompts.showMessage(nullptr, "Dialog.tlk is not found!!", "Error", "the reason");
        QCOMPARE(title, QString("Error"));
        QCOMPARE(text, QString("Dialog.tlk is not found!!"));
        QCOMPARE(detail, QString("the reason"));
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void theQuestionOffersYesNoCancelWithYesTheDefault()
    {
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        whenOpen([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            buttons = box->standardButtons();
            defaultButton = box->standardButton(box->defaultButton());
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(prompts.askYesNoCancel(nullptr, "Data is modified and not saved.Do you save data?", "Caution"), Answer::No);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(defaultButton, QMessageBox::Yes);

        whenOpen([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
        QCOMPARE(prompts.askYesNoCancel(nullptr, "question", "Caution"), Answer::Cancel);
        whenOpen([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Return); });
        QCOMPARE(prompts.askYesNoCancel(nullptr, "question", "Caution"), Answer::Yes);
    }

    void theErrorBoxCarriesTheProgramTitleAndAnErrorIcon()
    {
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenOpen([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            title = box->windowTitle();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        });
        prompts.showError(nullptr, "Invalid data type for 'Path'");
        QCOMPARE(title, QString("Talkwarden"));
        QCOMPARE(icon, QMessageBox::Critical);
    }

    void theInputPromptStartsSelectedAndTakesAtMost255Characters()
    {
        QString title, label, selected;
        int limit = 0;
        whenOpen([&](QWidget* widget) {
            auto* dialog = qobject_cast<QInputDialog*>(widget);
            auto* field = dialog->findChild<QLineEdit*>();
            title = dialog->windowTitle();
            label = dialog->findChild<QLabel*>()->text();
            selected = field->selectedText();
            limit = field->maxLength();
            QTest::keyClicks(field, QString(300, 'x'));
            QTest::keyClick(field, Qt::Key_Return);
        });
        std::optional<QString> typed = prompts.askText(nullptr, "Search", "Search String:", "previous query");
        QCOMPARE(title, QString("Search"));
        QCOMPARE(label, QString("Search String:"));
        QCOMPARE(selected, QString("previous query"));
        QCOMPARE(limit, 255);
        QVERIFY(typed.has_value());
        QCOMPARE(*typed, QString(255, 'x'));

        whenOpen([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
        QVERIFY(!prompts.askText(nullptr, "Setting", "dialog.tlk's path:", "/games/").has_value());
    }

    void thePatchDialogsFilterPatFilesAndAddTheExtension()
    {
        testing::TempFolder folder;
        QStringList filters;
        QString selectedFilter, suffix;
        bool confirms = true;
        whenOpen([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            filters = dialog->nameFilters();
            selectedFilter = dialog->selectedNameFilter();
            suffix = dialog->defaultSuffix();
            confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            dialog->setDirectory(QString::fromStdString(folder.path()));
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            name->setText("exported");
            QTest::keyClick(name, Qt::Key_Return);
        });
        std::optional<QString> saved = prompts.askSavePatchPath(nullptr);
        QCOMPARE(filters, QStringList({"PAT files (*.pat)", "all files (*.*)"}));
        QCOMPARE(selectedFilter, QString("PAT files (*.pat)"));
        QCOMPARE(suffix, QString("pat"));
        QVERIFY(!confirms);
        QCOMPARE(saved, std::optional<QString>(QString::fromStdString(folder / "exported.pat")));

        whenOpen([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            dialog->setDirectory(QString::fromStdString(folder.path()));
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            name->setText("not-there.pat");
            QTest::keyClick(name, Qt::Key_Return);
        });
        QCOMPARE(prompts.askOpenPatchPath(nullptr), std::optional<QString>(QString::fromStdString(folder / "not-there.pat")));

        whenOpen([](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
        QVERIFY(!prompts.askOpenPatchPath(nullptr).has_value());
    }

    void theFontDialogOpensOnItsDesignFontThenOnTheLastAccepted()
    {
        QFont shown;
        whenOpen([&](QWidget* widget) {
            auto* dialog = qobject_cast<QFontDialog*>(widget);
            shown = dialog->currentFont();
            QFont other("DejaVu Serif");
            other.setPointSize(13);
            dialog->setCurrentFont(other);
            dialog->accept();
        });
        std::optional<QFont> chosen = prompts.askFont(nullptr);
        QCOMPARE(shown.pointSize(), 9);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->pointSize(), 13);

        whenOpen([&](QWidget* widget) {
            shown = qobject_cast<QFontDialog*>(widget)->currentFont();
            QTest::keyClick(widget, Qt::Key_Escape);
        });
        QVERIFY(!prompts.askFont(nullptr).has_value());
        QCOMPARE(shown.pointSize(), 13);
        QCOMPARE(QtPrompts::designFont().family(), QString::fromUtf8("ＭＳ Ｐゴシック"));
    }
};

QTEST_MAIN(QtPromptsTest)
#include "QtPromptsTest.moc"
