#include <windows.h>

#include "effects/capture.h"
#include "effects/window_effects.h"
#include "runtime/window.h"

// The capture operations of WindowEffects: the current window or the desktop into BMP files.
namespace fx {
namespace {

constexpr std::uint8_t kClientMode = 0;
constexpr std::uint8_t kWholeWindowMode = 1;

}  // namespace

void WindowEffects::SaveClientImage() {
  rt::Window* window = rt::CurrentWindow();
  if (!window) {
    return;
  }
  window->setPixels(true);
  CaptureClientPixelsToBmp(window->clientHandle(), window->width(), window->height(), GRADIENTFILE);
}

void WindowEffects::CaptureToFile(std::string_view fileName, HWND window, std::uint8_t mode) {
  if (mode == kClientMode) {
    CaptureToBmp(window, CaptureArea::Client, fileName);
  } else if (mode == kWholeWindowMode) {
    CaptureToBmp(window, CaptureArea::Whole, fileName);
  }
}

void WindowEffects::CaptureDesktop(std::string_view fileName) {
  CaptureToFile(fileName, GetDesktopWindow(), kWholeWindowMode);
}

void WindowEffects::CaptureClient(std::string_view fileName) {
  if (const rt::Window* window = rt::CurrentWindow()) {
    CaptureToFile(fileName, window->clientHandle(), kClientMode);
  }
}

void WindowEffects::CaptureWindow(std::string_view fileName) {
  if (const rt::Window* window = rt::CurrentWindow()) {
    CaptureToFile(fileName, window->handle(), kWholeWindowMode);
  }
}

}  // namespace fx
