#include "figure_frames.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace stats {

namespace {

// A caption label and the value label beside it.
struct FigureRow {
    const char *captionName;
    const char *caption;
    const char *valueName;
};

// The rows of the four frames one after another: eight score kinds, then three rows each.
constexpr FigureRow figureRows[] = {
    {"Label1", "Holes In One", "Label12"},
    {"Label3", "Double Eagles", "lbldea"},
    {"Label7", "Eagles", "lblea"},
    {"Label8", "Birdies", "lblbi"},
    {"Label5", "Pars", "lblpa"},
    {"Label9", "Boggies", "lblbo"},
    {"Label10", "Double Boggies", "lbldbo"},
    {"Label11", "Triple Boggies or More", "lbltbo"},
    {"Label4", "Par 3's :", "lblave3"},
    {"par4", "Par 4's :", "lblave4"},
    {"par5", "Par 5's :", "lblave5"},
    {"lblpar3", "Par 3's :", "lblstrokes3"},
    {"lblpar4", "Par 4's :", "lblstrokes4"},
    {"lblpar5", "Par 5's :", "lblstrokes5"},
    {"Label6", "Average Front Nine :", "lblscoref9"},
    {"Label15", "Average Back Nine  :", "lblscoreb9"},
    {"Label2", "Average Round 18   :", "lblscore18"},
};
constexpr int kindRows = 8;
constexpr int classRows = 3;

QFont comic(int points, bool bold = false) {
    return QFont(QStringLiteral("Comic Sans MS"), points, bold ? QFont::Bold : QFont::Normal);
}

} // namespace

FigureFrames::FigureFrames(QWidget *parent) : QWidget(parent) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(14);
    const int averagesRow = kindRows;
    const int totalsRow = averagesRow + classRows;
    const int roundsRow = totalsRow + classRows;
    grid->addWidget(
        buildFrame(QStringLiteral("fraScoreRecap"), QStringLiteral(" Par Recap "), 0, kindRows), 0,
        0, 2, 1);
    grid->addWidget(buildFrame(QStringLiteral("fraAveRecap"), QStringLiteral("Ave Strokes"),
                               averagesRow, classRows),
                    0, 1);
    grid->addWidget(buildFrame(QStringLiteral("fraTotals"), QStringLiteral("Strokes Total"),
                               totalsRow, classRows),
                    0, 2);
    grid->addWidget(buildFrame(QStringLiteral("fraRounds"), QStringLiteral("Strokes Per Round"),
                               roundsRow, classRows),
                    1, 1, 1, 2);
}

QGroupBox *FigureFrames::buildFrame(const QString &name, const QString &caption, int firstRow,
                                    int rows) {
    auto *frame = new QGroupBox(caption, this);
    frame->setObjectName(name);
    frame->setFont(comic(11, true));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(14, 22, 14, 12);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);
    for (int row = 0; row < rows; ++row) {
        const FigureRow &figure = figureRows[firstRow + row];
        auto *captionLabel = new QLabel(QLatin1String(figure.caption), frame);
        captionLabel->setObjectName(QLatin1String(figure.captionName));
        captionLabel->setFont(comic(10));
        auto *value = new QLabel(QStringLiteral("0"), frame);
        value->setObjectName(QLatin1String(figure.valueName));
        value->setFont(comic(11, true));
        value->setProperty("figure", true);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Wide enough for "99,999" and "N/A" alike, so that a new figure moves nothing.
        value->setMinimumWidth(QFontMetrics(value->font()).horizontalAdvance("99,999") + 16);
        grid->addWidget(captionLabel, row, 0);
        grid->addWidget(value, row, 1);
        values_.insert(value->objectName(), value);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(rows, 1);
    frames_ << frame;
    return frame;
}

void FigureFrames::setCaptions(const QStringList &captions) {
    for (int i = 0; i < frames_.size(); ++i) {
        frames_.at(i)->setTitle(captions.at(i));
    }
}

void FigureFrames::showFigures(const QList<core::LabelText> &figures) {
    for (const core::LabelText &figure : figures) {
        values_.value(figure.label)->setText(figure.text);
    }
}

} // namespace stats
