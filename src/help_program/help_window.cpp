#include "help_window.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

namespace {

struct HelpTopic {
    const char *title;
    const char *pageFile;
};

// The order here is the order of the table of contents.
const HelpTopic topics[] = {
    {"Getting started", "getting_started.html"},
    {"Golfers", "golfers.html"},
    {"Courses", "courses.html"},
    {"Entering a round", "entering_a_round.html"},
    {"Prior rounds", "prior_rounds.html"},
    {"Statistics", "statistics.html"},
    {"About", "about.html"},
    {"Keyboard", "keyboard.html"},
};

QUrl pageUrl(const HelpTopic &topic) {
    return QUrl(QStringLiteral("qrc:/help/") + QLatin1String(topic.pageFile));
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent), contents(new QListWidget), page(new QTextBrowser) {
    setWindowTitle(QStringLiteral("Parlivo Help"));
    resize(760, 560);

    contents->setSpacing(2);
    page->document()->setDocumentMargin(12);

    auto *splitter = new QSplitter;
    splitter->addWidget(contents);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({190, 570});
    splitter->setChildrenCollapsible(false);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    fillContents();
    connect(contents, &QListWidget::currentRowChanged, this, &HelpWindow::showTopic);
    contents->setCurrentRow(0);
}

void HelpWindow::fillContents() {
    for (const HelpTopic &topic : topics)
        contents->addItem(QString::fromLatin1(topic.title));
}

void HelpWindow::showTopic(int row) {
    page->setSource(pageUrl(topics[row]));
}
