#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace test {

// One call of AnimateWindow as the recording library saw it.
struct AnimationCall {
  HWND window;
  DWORD durationMs;
  DWORD flags;
  bool operator==(const AnimationCall&) const = default;
};

// Loads "animation_recorder.dll", whose AnimateWindow records each call and then runs the real
// one, and collects its calls while this object lives. One recorder at a time.
class AnimationRecorder {
 public:
  static constexpr char kLibrary[] = "animation_recorder.dll";
  static constexpr char kFunction[] = "AnimateWindow";

  // `during` runs inside each call, before the real function (to look at the window then).
  explicit AnimationRecorder(std::function<void(const AnimationCall&)> during = {});
  AnimationRecorder(const AnimationRecorder&) = delete;
  AnimationRecorder& operator=(const AnimationRecorder&) = delete;
  ~AnimationRecorder();

  bool loaded() const { return library_ != nullptr; }
  const std::vector<AnimationCall>& calls() const { return calls_; }
  // Unloads the library; afterwards GetModuleHandle shows whether someone else still holds it.
  void unload();

 private:
  static void Record(void* context, HWND window, DWORD durationMs, DWORD flags);
  void setHook(bool on) const;

  HMODULE library_;
  std::function<void(const AnimationCall&)> during_;
  std::vector<AnimationCall> calls_;
};

}  // namespace test
