#include "tests/support/animation_recorder.h"

namespace test {
namespace {

using Hook = void (*)(void*, HWND, DWORD, DWORD);
using SetHook = void (*)(Hook, void*);

}  // namespace

AnimationRecorder::AnimationRecorder(std::function<void(const AnimationCall&)> during)
    : library_(LoadLibraryA(kLibrary)), during_(std::move(during)) {
  setHook(true);
}

AnimationRecorder::~AnimationRecorder() {
  unload();
}

void AnimationRecorder::unload() {
  if (library_) {
    setHook(false);
    FreeLibrary(library_);
    library_ = nullptr;
  }
}

void AnimationRecorder::setHook(bool on) const {
  if (!library_) {
    return;
  }
  const auto set = reinterpret_cast<SetHook>(
      reinterpret_cast<void (*)()>(GetProcAddress(library_, "SetAnimationHook")));
  if (set) {
    set(on ? Record : nullptr, on ? const_cast<AnimationRecorder*>(this) : nullptr);
  }
}

void AnimationRecorder::Record(void* context, HWND window, DWORD durationMs, DWORD flags) {
  auto* recorder = static_cast<AnimationRecorder*>(context);
  const AnimationCall call{window, durationMs, flags};
  recorder->calls_.push_back(call);
  if (recorder->during_) {
    recorder->during_(call);
  }
}

}  // namespace test
