#pragma once

#include "course.h"
#include "round.h"

#include <QStringList>
#include <QVector>

namespace core {

// Plausible golfers, courses and rounds, made the same way for the screen renderer, the
// benchmarks and the tests. `seed` makes a different but repeatable set.
QStringList sampleGolfers(int count);
// Course `index` of a catalogue: 18 holes unless `eighteenHoles` is false, nine totals
// summed, size "True"/"False", id its index.
Course sampleCourse(int index, bool eighteenHoles = true);
// A round as the scorecard saves it: pars copied from the course, every total added up.
Round sampleRound(const Course &course, const QString &golferName, const QString &date,
                  unsigned seed);

} // namespace core
