#include "framework/error_manager.h"

#include <algorithm>

namespace fw {

void ErrorManager::setProcedureName(std::string_view name) {
  std::lock_guard lock(mutex_);
  names_.emplace_back(name);
}

void ErrorManager::forgetProcedureName(std::string_view name) {
  std::lock_guard lock(mutex_);
  const auto found = std::find(names_.rbegin(), names_.rend(), name);
  if (found != names_.rend()) {
    names_.erase(std::next(found).base());
  }
}

std::string ErrorManager::procedureName() const {
  std::lock_guard lock(mutex_);
  return names_.empty() ? std::string() : names_.back();
}

void ErrorManager::clear() {
  std::lock_guard lock(mutex_);
  names_.clear();
}

ErrorManager& Errors() {
  static ErrorManager errors;
  return errors;
}

}  // namespace fw
