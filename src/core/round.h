#pragma once

#include "course.h"

#include <QString>
#include <array>

namespace core {

// One nine of a scorecard: strokes, pars and putts of its holes, and their nine totals, as
// typed (the pars are copies of the course's at the time the round was entered).
struct RoundNine {
    std::array<QString, holesPerNine> strokes;
    std::array<QString, holesPerNine> pars;
    std::array<QString, holesPerNine> putts;
    QString strokesTotal;
    QString parTotal;
    QString puttsTotal;
    bool operator==(const RoundNine &other) const;
};

// One golfer's round on one course, every value text as typed or as stored.
struct Round {
    QString courseName;
    QString golferName;
    QString date;
    RoundNine front;
    RoundNine back;
    QString strokesTotal;
    QString parTotal;
    QString puttsTotal;

    // Every value "0", the names and the date included: an empty card.
    static Round zeroed();

    const RoundNine &nine(Nine which) const;
    RoundNine &nine(Nine which);
    // The three round totals from the two nines' totals.
    void addUpRoundTotals();
    bool operator==(const Round &other) const;
};

} // namespace core
