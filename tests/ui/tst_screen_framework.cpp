#include "support/test_helpers.h"
#include "ui/controls.h"
#include "ui/screen.h"
#include "ui/services.h"

#include <QRadioButton>
#include <QtTest>

namespace {

// A screen that records what ran, and can reach another screen from its load step.
class ProbeScreen : public ui::Screen {
  public:
    ProbeScreen(const QString &name, QStringList *log, const QString &reachInLoad = QString())
        : ui::Screen(name), log_(log), reach_(reachInLoad) {
        box = new ui::TextBox(this, QStringLiteral("txtProbe"));
    }
    ui::TextBox *box;

  protected:
    void load() override {
        *log_ << objectName() + QStringLiteral(" load");
        if (!reach_.isEmpty()) {
            ui::screen(reach_); // a reference from a load step makes that screen now
        }
    }
    void activate() override { *log_ << objectName() + QStringLiteral(" activate"); }

  private:
    QStringList *log_;
    QString reach_;
};

} // namespace

class TestScreenFramework : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { ui::unload_all_screens(); }

    void screensAreMadeOnFirstReferenceAndLoadOnce() {
        QStringList log;
        ui::define_screen("frmA", [&] { return new ProbeScreen("frmA", &log, "frmB"); });
        ui::define_screen("frmB", [&] { return new ProbeScreen("frmB", &log, "frmA"); });
        QVERIFY(!ui::is_loaded("frmA"));

        ui::Screen *a = ui::screen("frmA");
        // B was made inside A's load, and B's reference back to A found the same A.
        QCOMPARE(log, QStringList({"frmA load", "frmB load"}));
        QCOMPARE(ui::screen("frmA"), a);
        QVERIFY(!a->isVisible());
        QCOMPARE(log.size(), 2); // the second reference made and loaded nothing

        a->unload();
        QVERIFY(!ui::is_loaded("frmA"));
        ui::Screen *again = ui::screen("frmA");
        QVERIFY(again != a);
        QCOMPARE(log.last(), "frmA load");
    }

    void activateRunsOnEveryReturnButNotAfterAMessageBox() {
        QStringList log;
        ui::define_screen("frmMain", [&] { return new ProbeScreen("frmMain", &log); });
        ui::define_screen("frmA", [&] { return new ProbeScreen("frmA", &log); });
        ui::Screen *a = ui::screen("frmA");
        log.clear();

        a->showScreen();
        QCOMPARE(log, QStringList({"frmA activate"}));
        {
            testing::MessageBoxAnswerer answer(QMessageBox::Ok);
            ui::msg_box("text", ui::MsgButtons::Ok, ui::MsgIcon::None, "title");
        }
        QApplication::processEvents();
        QCOMPARE(log, QStringList({"frmA activate"}));

        a->hideScreen();
        ui::show_main_menu();
        a->showScreen();
        QCOMPARE(log, QStringList(
                          {"frmA activate", "frmMain load", "frmMain activate", "frmA activate"}));

        // The window's close control hides it and goes back to the menu; it stays loaded.
        ui::screen("frmMain")->hideScreen();
        a->close();
        QVERIFY(ui::is_loaded("frmA") && !a->isVisible());
        QVERIFY(ui::screen("frmMain")->isVisible());
        QCOMPARE(log.last(), "frmMain activate");
    }

    void changeRunsNestedAndNotForTheSameText() {
        QWidget screen;
        ui::TextBox first(&screen, "first");
        ui::TextBox second(&screen, "second");
        QStringList log;
        connect(&first, &QLineEdit::textChanged, [&](const QString &text) {
            log << "first " + text;
            second.setText(text + "!");
            log << "first done";
        });
        connect(&second, &QLineEdit::textChanged,
                [&](const QString &text) { log << "second " + text; });

        first.setText("7");
        QCOMPARE(log, QStringList({"first 7", "second 7!", "first done"}));
        first.setText("7");
        QCOMPARE(log.size(), 3);
    }

    void keyPressSeesCharacterKeysAndCanSwallowThem() {
        QWidget screen;
        ui::TextBox box(&screen, "txtBox");
        QList<int> seen;
        connect(&box, &ui::TextBox::keyPress, [&](int &keyAscii) {
            seen << keyAscii;
            if (keyAscii == 'x' || keyAscii == 13) {
                keyAscii = 0;
            }
        });
        screen.show();
        box.setFocus();
        QTest::keyClicks(&box, "1x2");
        QCOMPARE(box.text(), "12");
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.text(), "1");
        // Navigation keys and Delete keep working and never reach KeyPress.
        QTest::keyClick(&box, Qt::Key_Home);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.text(), QString());
        QCOMPARE(seen, QList<int>({'1', 'x', '2', 8, 13}));
    }

    void sortedListsIgnoreCaseAndClickOnlyOnAPick() {
        QWidget screen;
        ui::ComboList sorted(&screen, "cboSorted", true);
        ui::ComboList plain(&screen, "cboPlain", false);
        for (const char *name : {"bob", "Carl", "alice", "Bob"}) {
            sorted.addEntry(name);
            plain.addEntry(name);
        }
        QCOMPARE(testing::entries(&sorted), QStringList({"alice", "bob", "Bob", "Carl"}));
        QCOMPARE(testing::entries(&plain), QStringList({"bob", "Carl", "alice", "Bob"}));

        int clicks = 0;
        connect(&sorted, &ui::ComboList::click, [&] { ++clicks; });
        sorted.setText("Select Golfer");
        sorted.setCurrentIndex(2);
        QCOMPARE(clicks, 0);
        emit sorted.activated(1); // what a pick from the drop-down does
        QCOMPARE(clicks, 1);

        screen.show();
        sorted.setFocus();
        sorted.setText("alice");
        QTest::keyClick(sorted.lineEdit(), Qt::Key_Return);
        QCOMPARE(sorted.count(), 4);
        QCOMPARE(clicks, 1);
    }

    void optionClickRunsAlsoWhenCodeSelects() {
        QWidget frame;
        ui::OptionArray options(&frame, "Option1");
        options.add(&frame, "ON");
        options.add(&frame, "OFF");
        QCOMPARE(options.button(1)->objectName(), "Option1(1)");
        QList<int> clicks;
        connect(&options, &ui::OptionArray::click, [&](int index) { clicks << index; });
        options.select(1);
        options.select(1);
        QVERIFY(options.value(1) && !options.value(0));
        options.button(0)->click();
        QCOMPARE(clicks, QList<int>({1, 1, 0}));
        QVERIFY(options.value(0));
    }
};

QTEST_MAIN(TestScreenFramework)
#include "tst_screen_framework.moc"
