#pragma once

#include "core/scoring_history.h"

#include <QDialog>
#include <QString>
#include <QVector>

namespace stats {

// What the charts are drawn from: one golfer's rounds on one course as the last calculation
// found them, and the pars they are measured against.
struct ChartSubject {
    QString golfer;
    QString course;
    core::HolePars pars;
    QVector<core::Round> rounds;
};

// The charts window ("frmCharts"), opened over the statistics screen: the strokes of each
// round with the par and the average of the last five ("chtTrend"), how the holes ended
// ("chtResults"), the average strokes and putts of each hole against its par ("chtHoles"),
// and the same hole by hole as a table ("tblHoles"). It goes away when closed.
class ChartsWindow : public QDialog {
    Q_OBJECT

  public:
    ChartsWindow(const ChartSubject &subject, QWidget *parent);

  private:
    QWidget *buildHeading(const ChartSubject &subject);
};

} // namespace stats
