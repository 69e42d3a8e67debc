#pragma once

#include "core/statistics.h"

#include <QHash>
#include <QList>
#include <QWidget>

class QGroupBox;
class QLabel;

namespace stats {

// The four frames of the statistics screen: the score kinds on the left, the per-par averages
// and totals beside them, the per-round averages below those. Each figure is a value label
// named as on the design ("lbldea"), beside a fixed caption label.
class FigureFrames : public QWidget {
    Q_OBJECT

  public:
    explicit FigureFrames(QWidget *parent);

    // Captions of the score-kind, average, total and per-round frames, in that order.
    void setCaptions(const QStringList &captions);
    // Each label named gets its text; the others keep theirs.
    void showFigures(const QList<core::LabelText> &figures);

  private:
    QGroupBox *buildFrame(const QString &name, const QString &caption, int firstRow, int rows);

    QList<QGroupBox *> frames_;
    QHash<QString, QLabel *> values_;
};

} // namespace stats
