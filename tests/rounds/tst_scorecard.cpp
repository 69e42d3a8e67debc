#include "courses/catalogue.h"
#include "scorecard_driver.h"
#include "ui/services.h"

#include <memory>

using namespace testing;

namespace {

QString card_values(std::initializer_list<int> positions) {
    QStringList values;
    for (int position : positions) {
        values << card_data.at(position);
    }
    return values.join(' ');
}

} // namespace

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
        QCOMPARE(caption("lbl9tot lbl18tot lblputts9 lblputts18"), "36 36 17 17");

        click(scorecard(), "cmdNine");
        QCOMPARE(nine_caption() + ' ' + caption("lblHole1 lblHole9 lblInOut"),
                 "&Front Nine 10 18 IN");
        QCOMPARE(nine_texts("txth1"), QStringList(9, "0"));
        QCOMPARE(caption("lbl9tot lbl18tot"), "0 36");

        type_nine("txth1", {5, 4, 4, 5, 4, 5, 4, 4, 5});
        type_into(box("putts", 0), "2");
        QCOMPARE(caption("lbl9tot lbl18tot lblputts18"), "40 76 19");

        click(scorecard(), "cmdNine");
        QCOMPARE(nine_caption() + ' ' + caption("lblHole1 lblInOut"), "&Back Nine 1 OUT");
        QCOMPARE(nine_texts("txth1"), QString("4 5 3 4 4 5 3 4 4").split(' '));
        QCOMPARE(caption("lbl9tot lbl18tot"), "36 76");
        QCOMPARE(card_values({card_pos::back_strokes_total, card_pos::strokes_total,
                              card_pos::back_par_total, card_pos::par_total}),
                 "40 76 36 72");
    }

    void keysAreFilteredAndBackspaceEmptiesTheHole() {
        type_into(box("txth1", 0), "4");
        type_into(box("txth1", 1), "5");
        QTest::keyClicks(box("txth1", 1), "x-. ");
        QCOMPARE(box("txth1", 1)->text(), "5");
        QTest::keyClick(box("txth1", 1), Qt::Key_Backspace);
        QCOMPARE(box("txth1", 1)->text(), QString());
        QCOMPARE(caption("lbl9tot"), "4");

        click(scorecard(), "cmdNine");
        QCOMPARE(card_data.at(card_pos::front_strokes + 1), QString());
        QCOMPARE(card_data.at(card_pos::front_strokes_total), "4");
    }

    void enterWalksTheStrokesThenThePuttsThenSave() {
        scorecard()->activateWindow();
        box("txth1", 7)->setFocus();
        QTest::keyClick(box("txth1", 7), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("txth1", 8));
        QTest::keyClick(box("txth1", 8), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("putts", 0));
        QCOMPARE(box("txth1", 8)->text(), "0"); // Enter never reaches the box
        box("putts", 8)->setFocus();
        QTest::keyClick(box("putts", 8), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), scorecard()->control<QWidget>("cmdSave"));

        // Entering a box selects its text, so typing replaces it.
        box("putts", 3)->setFocus();
        QApplication::processEvents();
        QCOMPARE(box("putts", 3)->selectedText(), "0");
        QTest::keyClicks(box("putts", 3), "3");
        QCOMPARE(box("putts", 3)->text(), "3");
    }

    void pickingACourseAndAGolfer() {
        ui::Screen *card = scorecard();
        card->activateWindow();
        pick(card, "cboCourse", "Cedar Hollow");
        QCOMPARE(caption("lblb1(0) lblp1(8) lblH1(2) lblby lblbtot lblptot"),
                 "400 4 3 3600 7200 72");
        QVERIFY(card->control<QWidget>("cmdNine")->isEnabled());
        QCOMPARE(card_data.at(card_pos::course_name), "Cedar Hollow");
        QCOMPARE(card_data.at(card_pos::date), card->control<ui::TextBox>("txtDate")->text());
        QVERIFY(card->control<QWidget>("cboPlayer")->hasFocus());

        pick(card, "cboPlayer", "Ann O'Neil");
        QCOMPARE(card->control<ui::TextBox>("txtName")->text(), "Ann O'Neil");
        QCOMPARE(card_data.at(card_pos::golfer_name), "Ann O'Neil");
        QVERIFY(box("txth1", 0)->hasFocus());

        pick(card, "cboCourse", "Little Nine");
        QVERIFY(!card->control<QWidget>("cmdNine")->isEnabled());
        QCOMPARE(caption("lblby lblbtot"), "1350 1350");
    }

    void anotherCourseWhileTheBackNineShowsReturnsToTheFront() {
        type_nine("txth1", {4, 4, 4});
        click(scorecard(), "cmdNine");
        type_nine("txth1", {6, 6});
        pick(scorecard(), "cboCourse", "Little Nine");

        QCOMPARE(nine_caption() + ' ' + caption("lblHole1 lblInOut lblpf9 lbl9tot"),
                 "&Back Nine 1 OUT 27 12");
        QCOMPARE(nine_texts("txth1").mid(0, 4), QStringList({"4", "4", "4", "0"}));
        // What was typed on the back nine is kept, so the round total still counts it.
        QCOMPARE(card_data.at(card_pos::back_strokes), "6");
        QCOMPARE(caption("lbl18tot"), "24");
    }

    void returningToTheScorecardClearsTheCard() {
        type_nine("txth1", {4, 5});
        type_into(box("putts", 8), "2");
        scorecard()->control<ui::TextBox>("txtDate")->setText("1/2/99");
        click(scorecard(), "cmdExit");
        QVERIFY(!scorecard()->isVisible());

        open_scorecard();
        QCOMPARE(nine_texts("txth1") + nine_texts("putts"), QStringList(18, "0"));
        QCOMPARE(scorecard()->control<ui::ComboList>("cboCourse")->text() + '|' +
                     scorecard()->control<ui::ComboList>("cboPlayer")->text(),
                 "Select Course|Select Golfer");
        QCOMPARE(scorecard()->control<ui::TextBox>("txtName")->text(), QString());
        QCOMPARE(scorecard()->control<ui::TextBox>("txtDate")->text(), ui::today_short_date());
        QCOMPARE(card_data, QVector<QString>(card_size, "0"));
        QCOMPARE(label_texts(scorecard(), card_cell_names()), QStringList(53, "0"));
    }

    void sumsDoNotOverflow() {
        type_nine("txth1", QList<int>(9, 999999));
        QCOMPARE(caption("lbl9tot lbl18tot"), "8999991 8999991");
    }
};

QTEST_MAIN(TestScorecard)
#include "tst_scorecard.moc"
