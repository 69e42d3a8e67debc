#include "help_window.h"

#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

class TestHelpProgram : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheFirstTopic();
    void everyTopicOpensItsOwnStyledPage();
    void clickingATopicShowsIt();
};

namespace {

QListWidget *contentsOf(const HelpWindow &window) {
    return window.findChild<QListWidget *>();
}

QTextBrowser *pageOf(const HelpWindow &window) {
    return window.findChild<QTextBrowser *>();
}

QColor headingColour(const QTextBrowser &page) {
    return page.document()->firstBlock().begin().fragment().charFormat().foreground().color();
}

} // namespace

void TestHelpProgram::opensOnTheFirstTopic() {
    HelpWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Parlivo Help"));
    QCOMPARE(contentsOf(window)->currentRow(), 0);
    QCOMPARE(pageOf(window)->documentTitle(), QStringLiteral("Getting started"));
}

// Each page's <title> must match its entry, so a page left out of the
// resources or listed in the wrong place shows up here.
void TestHelpProgram::everyTopicOpensItsOwnStyledPage() {
    HelpWindow window;
    QListWidget *contents = contentsOf(window);
    QTextBrowser *page = pageOf(window);
    QVERIFY(contents->count() >= 8);
    for (int row = 0; row < contents->count(); ++row) {
        contents->setCurrentRow(row);
        QCOMPARE(page->documentTitle(), contents->item(row)->text());
        QVERIFY(!page->toPlainText().trimmed().isEmpty());
        QCOMPARE(headingColour(*page), QColor(0x00, 0xC0, 0x00));
    }
}

void TestHelpProgram::clickingATopicShowsIt() {
    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QListWidget *contents = contentsOf(window);
    QListWidgetItem *lastTopic = contents->item(contents->count() - 1);
    const QPoint centre = contents->visualItemRect(lastTopic).center();
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(pageOf(window)->documentTitle(), lastTopic->text());
}

QTEST_MAIN(TestHelpProgram)
#include "tst_help_program.moc"
