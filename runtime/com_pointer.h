#pragma once

#include <utility>

namespace rt {

// Owns one reference to a COM interface and releases it on the one path out.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ComPointer(ComPointer&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPointer& operator=(ComPointer&&) = delete;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() { reset(); }

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // The slot a creating call fills; any reference held before is released first.
  Interface** out() {
    reset();
    return &pointer_;
  }
  void reset() {
    if (pointer_) {
      pointer_->Release();
      pointer_ = nullptr;
    }
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace rt
