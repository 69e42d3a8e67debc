#include "round.h"

#include "figures.h"

namespace core {

bool RoundNine::operator==(const RoundNine &other) const {
    return strokes == other.strokes && pars == other.pars && putts == other.putts &&
           strokesTotal == other.strokesTotal && parTotal == other.parTotal &&
           puttsTotal == other.puttsTotal;
}

Round Round::zeroed() {
    const QString zero = QStringLiteral("0");
    RoundNine nine;
    nine.strokes.fill(zero);
    nine.pars.fill(zero);
    nine.putts.fill(zero);
    nine.strokesTotal = nine.parTotal = nine.puttsTotal = zero;
    return Round{zero, zero, zero, nine, nine, zero, zero, zero};
}

const RoundNine &Round::nine(Nine which) const {
    return which == Nine::Front ? front : back;
}

RoundNine &Round::nine(Nine which) {
    return which == Nine::Front ? front : back;
}

void Round::addUpRoundTotals() {
    strokesTotal = sumText(back.strokesTotal, front.strokesTotal);
    parTotal = sumText(back.parTotal, front.parTotal);
    puttsTotal = sumText(back.puttsTotal, front.puttsTotal);
}

bool Round::operator==(const Round &other) const {
    return courseName == other.courseName && golferName == other.golferName && date == other.date &&
           front == other.front && back == other.back && strokesTotal == other.strokesTotal &&
           parTotal == other.parTotal && puttsTotal == other.puttsTotal;
}

} // namespace core
