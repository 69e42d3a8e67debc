#include "courses/catalogue.h"
#include "scorecard_driver.h"

#include <memory>

using namespace testing;

class TestScorecard : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFolder> folder;
    std::unique_ptr<RunningApp> app;

  private slots:
    void init() {
        folder = std::make_unique<AppFolder>();
        folder->addCourse("Cedar Hollow", true, 400, 4);
        folder->addCourse("Little Nine", false, 150, 3);
        folder->addGolfer("Ann O'Neil");
        app = std::make_unique<RunningApp>(*folder);
        QVERIFY(app->started());
        open_scorecard();
        pick(scorecard(), "cboCourse", "Cedar Hollow");
        pick(scorecard(), "cboPlayer", "Ann O'Neil");
    }

    void cleanup() {
        app.reset();
        folder.reset();
    }

    void totalsFollowTypingAcrossBothNines() {
        type_nine("txth1", {4, 5, 3, 4, 4, 5, 3, 4, 4});
        type_nine("putts", {2, 2, 1, 2, 2, 3, 1, 2, 2});
        QCOMPARE(caption("lbl9tot"), QString("36"));
        QCOMPARE(caption("lbl18tot"), QString("36"));
        QCOMPARE(caption("lblputts9"), QString("17"));
        QCOMPARE(caption("lblputts18"), QString("17"));

        click(scorecard(), "cmdNine");
        QCOMPARE(nine_caption(), QString("&Front Nine"));
        QCOMPARE(caption("lblHole1"), QString("10"));
        QCOMPARE(caption("lblHole9"), QString("18"));
        QCOMPARE(caption("lblInOut"), QString("IN"));
        QCOMPARE(nine_texts("txth1"), QStringList(9, "0"));
        QCOMPARE(caption("lbl9tot"), QString("0"));
        QCOMPARE(caption("lbl18tot"), QString("36"));

        type_nine("txth1", {5, 4, 4, 5, 4, 5, 4, 4, 5});
        type_into(box("putts", 0), "2");
        QCOMPARE(caption("lbl9tot"), QString("40"));
        QCOMPARE(caption("lbl18tot"), QString("76"));
        QCOMPARE(caption("lblputts18"), QString("19"));

        click(scorecard(), "cmdNine");
        QCOMPARE(nine_caption(), QString("&Back Nine"));
        QCOMPARE(caption("lblHole1"), QString("1"));
        QCOMPARE(caption("lblInOut"), QString("OUT"));
        QCOMPARE(nine_texts("txth1"), QString("4 5 3 4 4 5 3 4 4").split(' '));
        QCOMPARE(caption("lbl9tot"), QString("36"));
        QCOMPARE(caption("lbl18tot"), QString("76"));
        QCOMPARE(card_data.at(card_pos::back_strokes_total), QString("40"));
        QCOMPARE(card_data.at(card_pos::strokes_total), QString("76"));
        QCOMPARE(card_data.at(card_pos::back_par_total), QString("36"));
        QCOMPARE(card_data.at(card_pos::par_total), QString("72"));
    }

    void keysAreFilteredAndBackspaceEmptiesTheHole() {
        type_into(box("txth1", 0), "4");
        type_into(box("txth1", 1), "5");
        QTest::keyClicks(box("txth1", 1), "x-. ");
        QCOMPARE(box("txth1", 1)->text(), QString("5"));
        QTest::keyClick(box("txth1", 1), Qt::Key_Backspace);
        QCOMPARE(box("txth1", 1)->text(), QString());
        QCOMPARE(caption("lbl9tot"), QString("4"));

        click(scorecard(), "cmdNine");
        QCOMPARE(card_data.at(card_pos::front_strokes + 1), QString());
        QCOMPARE(card_data.at(card_pos::front_strokes_total), QString("4"));
    }

    void enterWalksTheStrokesThenThePuttsThenSave() {
        scorecard()->activateWindow();
        box("txth1", 7)->setFocus();
        QTest::keyClick(box("txth1", 7), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("txth1", 8));
        QTest::keyClick(box("txth1", 8), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("putts", 0));
        QCOMPARE(box("txth1", 8)->text(), QString("0")); // Enter never reaches the box
        box("putts", 8)->setFocus();
        QTest::keyClick(box("putts", 8), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(),
                 scorecard()->control<QWidget>(QStringLiteral("cmdSave")));
    }

    void enteringABoxSelectsItsText() {
        box("putts", 3)->setFocus();
        QApplication::processEvents();
        QCOMPARE(box("putts", 3)->selectedText(), QString("0"));
        QTest::keyClicks(box("putts", 3), "3");
        QCOMPARE(box("putts", 3)->text(), QString("3"));
    }

    void pickingACourseAndAGolfer() {
        ui::Screen *card = scorecard();
        card->activateWindow();
        pick(card, "cboCourse", "Cedar Hollow");
        QCOMPARE(card->control<QLabel>("lblb1", 0)->text(), QString("400"));
        QCOMPARE(card->control<QLabel>("lblp1", 8)->text(), QString("4"));
        QCOMPARE(card->control<QLabel>("lblH1", 2)->text(), QString("3"));
        QCOMPARE(caption("lblby"), QString("3600"));
        QCOMPARE(caption("lblbtot"), QString("7200"));
        QCOMPARE(caption("lblptot"), QString("72"));
        QVERIFY(card->control<QWidget>("cmdNine")->isEnabled());
        QCOMPARE(card_data.at(card_pos::course_name), QString("Cedar Hollow"));
        QCOMPARE(card_data.at(card_pos::date), card->control<ui::TextBox>("txtDate")->text());
        QVERIFY(card->control<QWidget>("cboPlayer")->hasFocus());

        pick(card, "cboPlayer", "Ann O'Neil");
        QCOMPARE(card->control<ui::TextBox>("txtName")->text(), QString("Ann O'Neil"));
        QCOMPARE(card_data.at(card_pos::golfer_name), QString("Ann O'Neil"));
        QVERIFY(box("txth1", 0)->hasFocus());

        pick(card, "cboCourse", "Little Nine");
        QVERIFY(!card->control<QWidget>("cmdNine")->isEnabled());
        QCOMPARE(caption("lblby"), QString("1350"));
        QCOMPARE(caption("lblbtot"), QString("1350"));
    }

    void anotherCourseWhileTheBackNineShowsReturnsToTheFront() {
        type_nine("txth1", {4, 4, 4});
        click(scorecard(), "cmdNine");
        type_nine("txth1", {6, 6});
        pick(scorecard(), "cboCourse", "Little Nine");

        QCOMPARE(nine_caption(), QString("&Back Nine"));
        QCOMPARE(caption("lblHole1"), QString("1"));
        QCOMPARE(caption("lblInOut"), QString("OUT"));
        QCOMPARE(caption("lblpf9"), QString("27"));
        QCOMPARE(nine_texts("txth1").mid(0, 4), QStringList({"4", "4", "4", "0"}));
        QCOMPARE(caption("lbl9tot"), QString("12"));
        // What was typed on the back nine is kept, so the round total still counts it.
        QCOMPARE(card_data.at(card_pos::back_strokes), QString("6"));
        QCOMPARE(caption("lbl18tot"), QString("24"));
    }

    void returningToTheScorecardClearsTheCard() {
        type_nine("txth1", {4, 5});
        click(scorecard(), "cmdExit");
        QVERIFY(!scorecard()->isVisible());
        open_scorecard();
        QCOMPARE(nine_texts("txth1"), QStringList(9, "0"));
        QCOMPARE(scorecard()->control<ui::ComboList>("cboCourse")->text(),
                 QString("Select Course"));
        QCOMPARE(scorecard()->control<ui::ComboList>("cboPlayer")->text(),
                 QString("Select Golfer"));
        QCOMPARE(card_data, QVector<QString>(card_size, "0"));
        QCOMPARE(scorecard()->control<QLabel>("lblb1", 0)->text(), QString("0"));
    }

    void sumsDoNotOverflow() {
        for (int hole = 0; hole < 9; ++hole) {
            type_into(box("txth1", hole), "999999");
        }
        QCOMPARE(caption("lbl9tot"), QString("8999991"));
        QCOMPARE(caption("lbl18tot"), QString("8999991"));
    }
};

QTEST_MAIN(TestScorecard)
#include "tst_scorecard.moc"
