#include "charts_window.h"

#include "hole_table.h"

#include "core/figures.h"
#include "core/statistics.h"
#include "ui/buttons.h"
#include "ui/palette.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace stats {

namespace {

// At most this many round dates are written under the trend; the others are skipped evenly.
constexpr int datesLabelled = 12;

const char *const resultNames[core::holeResultCount] = {
    "Eagle or better", "Birdie", "Par", "Bogey", "Double bogey", "Triple bogey or worse"};
constexpr unsigned resultColours[core::holeResultCount] = {
    ui::colour::chartEagle, ui::colour::chartBirdie,      ui::colour::chartStrokes,
    ui::colour::chartPutts, ui::colour::chartDoubleBogey, ui::colour::chartTripleBogey};

QColor colour(unsigned bgr) {
    return ui::designColour(bgr);
}

QFont titleFont() {
    return QFont(QStringLiteral("Comic Sans MS"), 13, QFont::Bold);
}

QFont labelFont() {
    return QFont(QStringLiteral("MS Sans Serif"), 9);
}

QString windowStyle() {
    using namespace ui::colour;
    return QStringLiteral("QTableView { background: %1; alternate-background-color: %2;"
                          " color: %3; gridline-color: %4; border: 2px solid %4;"
                          " border-radius: 6px; selection-background-color: %5; }"
                          "QHeaderView::section { background: %5; color: %1; border: none;"
                          " padding: 4px; font-weight: bold; }"
                          "QPushButton { background: %1; color: %3; border: 2px solid %4;"
                          " border-radius: 6px; padding: 5px 18px; }"
                          "QPushButton:hover { border-color: %6; }")
        .arg(ui::styleColour(white), ui::styleColour(statsCard), ui::styleColour(statsInk),
             ui::styleColour(statsRule), ui::styleColour(statsFairway), ui::styleColour(statsFlag));
}

void styleAxis(QAbstractAxis *axis, const QString &title = QString()) {
    axis->setTruncateLabels(false);
    axis->setLabelsFont(labelFont());
    axis->setLabelsColor(colour(ui::colour::statsInk));
    axis->setLinePenColor(colour(ui::colour::statsRule));
    axis->setGridLineColor(colour(ui::colour::statsRule));
    QFont font = labelFont();
    font.setBold(true);
    axis->setTitleFont(font);
    axis->setTitleBrush(colour(ui::colour::statsInk));
    axis->setTitleText(title);
}

QChartView *chartView(const QString &name, QChart *chart, QWidget *parent) {
    chart->setTitleFont(titleFont());
    chart->setTitleBrush(colour(ui::colour::statsInk));
    chart->setBackgroundBrush(colour(ui::colour::statsCard));
    chart->setBackgroundPen(QPen(colour(ui::colour::statsRule), 2));
    chart->setBackgroundRoundness(8);
    chart->setMargins(QMargins(6, 6, 10, 6));
    chart->legend()->setFont(labelFont());
    chart->legend()->setLabelColor(colour(ui::colour::statsInk));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(460, 300);
    view->setStyleSheet(QStringLiteral("background: transparent;"));
    return view;
}

QLineSeries *lineSeries(const QString &name, unsigned bgr, qreal width,
                        Qt::PenStyle style = Qt::SolidLine) {
    auto *series = new QLineSeries;
    series->setName(name);
    QPen pen(colour(bgr), width, style);
    pen.setCapStyle(Qt::RoundCap);
    series->setPen(pen);
    return series;
}

// The round dates under the trend: every one when there are few, else evenly spaced ones.
// A date played twice is told apart by its count, since an axis shows each text once.
QCategoryAxis *dateAxis(const QVector<core::TrendPoint> &trend) {
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(-0.5);
    axis->setRange(-0.5, qMax<qsizetype>(trend.size(), 1) - 0.5);
    const int step = static_cast<int>(std::ceil(trend.size() / double(datesLabelled)));
    QSet<QString> used;
    for (int point = 0; point < trend.size(); point += qMax(step, 1)) {
        QString label = trend[point].date;
        for (int count = 2; used.contains(label); ++count) {
            label = QStringLiteral("%1 (%2)").arg(trend[point].date).arg(count);
        }
        used.insert(label);
        axis->append(label, point);
    }
    axis->setLabelsAngle(trend.size() > 6 ? -40 : 0);
    styleAxis(axis);
    return axis;
}

QValueAxis *valueAxis(double low, double high, const QString &title) {
    auto *axis = new QValueAxis;
    axis->setRange(low, high);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    styleAxis(axis, title);
    return axis;
}

void attach(QChart *chart, QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QChart *trendChart(const ChartSubject &subject) {
    const QVector<core::TrendPoint> trend = core::scoringTrend(subject.rounds);
    const double par = core::parTotal(subject.pars);
    auto *strokes = lineSeries(QStringLiteral("Strokes"), ui::colour::chartStrokes, 2.5);
    strokes->setPointsVisible(true);
    auto *average =
        lineSeries(QStringLiteral("Average of the last five"), ui::colour::chartAverage, 2.5);
    // The strokes axis spans the rounds and the par, a few strokes either side.
    QList<double> shown;
    for (int point = 0; point < trend.size(); ++point) {
        strokes->append(point, trend[point].strokes);
        average->append(point, trend[point].recentAverage);
        shown << trend[point].strokes;
    }
    QList<QLineSeries *> lines{strokes, average};
    if (par > 0) {
        lines << lineSeries(QStringLiteral("Par %1").arg(par), ui::colour::statsInk, 1.5,
                            Qt::DashLine);
        lines.last()->append(-0.5, par);
        lines.last()->append(qMax<qsizetype>(trend.size(), 1) - 0.5, par);
        shown << par;
    }
    const auto [low, high] = std::minmax_element(shown.cbegin(), shown.cend());

    auto *chart = new QChart;
    chart->setTitle(trend.isEmpty() ? QStringLiteral("Strokes per round")
                                    : QStringLiteral("Strokes per round \u2013 last five "
                                                     "average %1")
                                          .arg(core::averageText(trend.last().recentAverage)));
    QCategoryAxis *x = dateAxis(trend);
    QValueAxis *y = shown.isEmpty() ? valueAxis(0, 10, QStringLiteral("Strokes"))
                                    : valueAxis(*low - 3, *high + 3, QStringLiteral("Strokes"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries *series : lines) {
        attach(chart, series, x, y);
    }
    return chart;
}

// One bar set per result, each with its own colour, stacked so that each bar shows alone.
QChart *resultsChart(const ChartSubject &subject) {
    const auto counts = core::holeResults(subject.rounds);
    auto *series = new QHorizontalStackedBarSeries;
    QStringList categories;
    int holes = 0, most = 0;
    for (int result = core::holeResultCount - 1; result >= 0; --result) {
        categories << QLatin1String(resultNames[result]);
    }
    for (int result = 0; result < core::holeResultCount; ++result) {
        auto *set = new QBarSet(QLatin1String(resultNames[result]));
        for (int row = core::holeResultCount - 1; row >= 0; --row) {
            *set << (row == result ? counts[result] : 0);
        }
        set->setColor(colour(resultColours[result]));
        set->setBorderColor(colour(resultColours[result]));
        set->setLabelColor(colour(ui::colour::white));
        series->append(set);
        holes += counts[result];
        most = qMax(most, counts[result]);
    }
    series->setBarWidth(0.7);
    series->setLabelsVisible(true);
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("How the %1 holes played ended").arg(holes));
    chart->legend()->hide();
    auto *y = new QBarCategoryAxis;
    y->append(categories);
    styleAxis(y);
    y->setGridLineVisible(false);
    QValueAxis *x = valueAxis(0, qMax(most, 1) * 1.1, QStringLiteral("Holes"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, series, x, y);
    return chart;
}

QChart *holesChart(const ChartSubject &subject) {
    const auto records = core::holeRecords(subject.rounds);
    const int holes = core::holesWithPar(subject.pars);
    auto *strokes = new QBarSet(QStringLiteral("Average strokes"));
    auto *putts = new QBarSet(QStringLiteral("Average putts"));
    strokes->setColor(colour(ui::colour::chartStrokes));
    putts->setColor(colour(ui::colour::chartPutts));
    auto *par = lineSeries(QStringLiteral("Par"), ui::colour::statsInk, 2);
    par->setPointsVisible(true);
    QStringList categories;
    double high = 0;
    for (int hole = 0; hole < holes; ++hole) {
        const core::HoleRecord &record = records[hole];
        *strokes << (record.played > 0 ? record.averageStrokes() : 0);
        *putts << (record.puttsRecorded > 0 ? record.averagePutts() : 0);
        const double holePar = core::leadingNumber(subject.pars[hole]);
        par->append(hole, holePar);
        categories << QString::number(hole + 1);
        high = std::max({high, strokes->at(hole), holePar});
    }
    auto *bars = new QBarSeries;
    bars->append(strokes);
    bars->append(putts);
    bars->setBarWidth(0.8);

    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Average strokes and putts by hole"));
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    styleAxis(x, QStringLiteral("Hole"));
    x->setGridLineVisible(false);
    QValueAxis *y = valueAxis(0, high + 1, QStringLiteral("Strokes"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, bars, x, y);
    attach(chart, par, x, y);
    return chart;
}

} // namespace

ChartsWindow::ChartsWindow(const ChartSubject &subject, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCharts"));
    setWindowTitle(QStringLiteral("Charts"));
    setAttribute(Qt::WA_DeleteOnClose);
    ui::setBackground(this, ui::colour::statsFairway);
    setStyleSheet(windowStyle());

    auto *table = makeHoleTable(new HoleTableModel(subject.pars, subject.rounds, this), this);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(buildHeading(subject), 0, 0, 1, 2);
    layout->addWidget(chartView(QStringLiteral("chtTrend"), trendChart(subject), this), 1, 0);
    layout->addWidget(chartView(QStringLiteral("chtResults"), resultsChart(subject), this), 1, 1);
    layout->addWidget(chartView(QStringLiteral("chtHoles"), holesChart(subject), this), 2, 0);
    layout->addWidget(table, 2, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    resize(1280, 860);
    findChild<QPushButton *>(QStringLiteral("cmdClose"))->setFocus();
}

QWidget *ChartsWindow::buildHeading(const ChartSubject &subject) {
    auto *heading = new QWidget(this);
    auto *row = new QHBoxLayout(heading);
    row->setContentsMargins(0, 0, 0, 0);
    auto *title =
        new QLabel(QStringLiteral("%1 on %2").arg(subject.golfer, subject.course), heading);
    title->setFont(QFont(QStringLiteral("Comic Sans MS"), 20, QFont::Bold));
    ui::setForeground(title, ui::colour::statsFlag);
    auto *count = new QLabel(subject.rounds.size() == 1
                                 ? QStringLiteral("1 round")
                                 : QStringLiteral("%1 rounds").arg(subject.rounds.size()),
                             heading);
    count->setFont(titleFont());
    ui::setForeground(count, ui::colour::white);
    QPushButton *close =
        ui::makeButton(QStringLiteral("cmdClose"), QStringLiteral("&Close"), QString(), heading);
    close->setFont(QFont(QStringLiteral("MS Sans Serif"), 10, QFont::Bold));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    row->addWidget(title);
    row->addSpacing(16);
    row->addWidget(count, 0, Qt::AlignBottom);
    row->addStretch();
    row->addWidget(close);
    return heading;
}

} // namespace stats
