// The one place where a command number meets the code that carries it out.
#pragma once

#include <functional>
#include <map>

namespace app {

class CommandTable {
 public:
  using Handler = std::function<void()>;
  // Sets (or replaces) the handler of `number`.
  void Set(int number, Handler handler) { handlers_[number] = std::move(handler); }
  bool Has(int number) const { return handlers_.count(number) != 0; }
  // Runs the handler of `number`; numbers without one do nothing.
  bool Dispatch(int number) const {
    const auto it = handlers_.find(number);
    if (it == handlers_.end() || !it->second) return false;
    it->second();
    return true;
  }

 private:
  std::map<int, Handler> handlers_;
};

}  // namespace app
