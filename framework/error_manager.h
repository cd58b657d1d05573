#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// Knows which window procedures are running, so that messages can name the current one.
// Procedures on several threads may name themselves at once.
class ErrorManager {
 public:
  // Names a procedure as it starts its window.
  void setProcedureName(std::string_view name);
  // Forgets a procedure's name as its window ends (the most recent one of that name).
  void forgetProcedureName(std::string_view name);
  // The most recently named procedure still running, or "".
  std::string procedureName() const;
  // Forgets every name: the program is shutting down.
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> names_;
};

// The program's error manager, set up first and shut down last.
ErrorManager& Errors();

}  // namespace fw
