#include "help_window.h"

#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

class TestHelpProgram : public QObject {
    Q_OBJECT

  private slots:
    // Each page's <title> must match its entry, so a page left out of the resources or listed
    // in the wrong place shows up here.
    void opensOnTheFirstTopicAndEveryTopicOnItsOwnStyledPage() {
        HelpWindow window;
        auto *contents = window.findChild<QListWidget *>();
        auto *page = window.findChild<QTextBrowser *>();
        QCOMPARE(window.windowTitle(), "Parlivo Help");
        QCOMPARE(contents->currentRow(), 0);
        QCOMPARE(page->documentTitle(), "Getting started");
        QVERIFY(contents->count() >= 8);
        for (int row = 0; row < contents->count(); ++row) {
            contents->setCurrentRow(row);
            QCOMPARE(page->documentTitle(), contents->item(row)->text());
            QVERIFY(!page->toPlainText().trimmed().isEmpty());
            const QTextCharFormat heading =
                page->document()->firstBlock().begin().fragment().charFormat();
            QCOMPARE(heading.foreground().color(), QColor(0x00, 0xC0, 0x00));
        }
    }

    void clickingATopicShowsIt() {
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *contents = window.findChild<QListWidget *>();
        QListWidgetItem *lastTopic = contents->item(contents->count() - 1);
        const QPoint centre = contents->visualItemRect(lastTopic).center();
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(window.findChild<QTextBrowser *>()->documentTitle(), lastTopic->text());
    }
};

QTEST_MAIN(TestHelpProgram)
#include "tst_help_program.moc"
