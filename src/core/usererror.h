#pragma once

#include <QString>
#include <stdexcept>

namespace velinda {

// A failure the user is told about: userMessage() is the Italian text for the
// screen, what() the technical detail (a path, a system error) for a log.
class UserError : public std::runtime_error {
 public:
  UserError(const QString& detail, const QString& userMessage)
      : std::runtime_error(detail.toStdString()), userMessage_(userMessage) {}

  QString userMessage() const { return userMessage_; }

 private:
  QString userMessage_;
};

}  // namespace velinda
