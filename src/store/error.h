#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// A failure of the database file, with a text fit to show the user.
class Error : public std::runtime_error {
  public:
    explicit Error(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace store
