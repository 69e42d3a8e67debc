#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;

// The user guide: topics listed on the left, the chosen page on the right.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget *parent = nullptr);

  private:
    void fillContents();
    void showTopic(int row);

    QListWidget *contents;
    QTextBrowser *page;
};
