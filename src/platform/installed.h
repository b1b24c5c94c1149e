#pragma once

#include <utility>

namespace velinda {

// Puts a stand-in for one of the program's services in place for as long as
// this object lives, then puts back whatever was in place before, so that
// stand-ins nest. Each service asks `current()` and falls back on its real
// implementation when nothing is installed.
//
//   RecordingMessages messages;
//   const Installed<MessageService> installed(messages);
template <typename Service>
class Installed {
 public:
  explicit Installed(Service& standIn) : previous_(std::exchange(slot(), &standIn)) {}
  ~Installed() { slot() = previous_; }

  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;

  // The innermost stand-in in place; null when there is none.
  static Service* current() { return slot(); }
  // The innermost stand-in, or `real` when none is in place.
  static Service& currentOr(Service& real) { return slot() ? *slot() : real; }

 private:
  static Service*& slot() {
    static Service* installed = nullptr;
    return installed;
  }

  Service* previous_;
};

}  // namespace velinda
