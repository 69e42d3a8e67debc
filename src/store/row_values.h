#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace store {

class Statement;

// Nearly every value of a round or a course is a whole number under 1000 written without a
// leading zero. Each such text is made once per query and shared by every value that holds
// it, instead of one allocation per value: a round has 66 values, a course 103.
class SharedFigures {
  public:
    QString text(const Statement &row, int column);

  private:
    std::array<QString, 1000> texts_;
};

// The texts of `count` columns of the row from `first`.
QStringList rowValues(const Statement &row, int first, int count, SharedFigures &figures);

} // namespace store
