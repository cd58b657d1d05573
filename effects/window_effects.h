#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace fx {

// Text animation, gradients, captures and a size grip on the current window, with a temporary
// BMP file of its own from construction to destruction. The fields follow the table pointer in
// this order and with these sizes; the virtual operations keep their slot order.
class WindowEffects {
 public:
  // All fields cleared, then the temporary file made and named in GRADIENTFILE.
  WindowEffects();
  // Deletes the temporary file.
  ~WindowEffects();
  WindowEffects(const WindowEffects&) = delete;
  WindowEffects& operator=(const WindowEffects&) = delete;

  // Gives one control of the current window (by field number) the flat border of its kind and
  // redraws its frame at once. Uses none of the object's fields.
  void ApplyFlatBorder(int field) const;

  // Virtual operations follow in slot order; each is defined in a source file of its own.

  // Plays the letter-spacing animation of `text` at (x, y) on the current window's client area,
  // in pixels, while BDOEFFECT is non-zero; returns when it has ended.
  virtual void AnimateText(std::string_view text, std::int32_t x, std::int32_t y,
                           std::int32_t startSpacing, std::int32_t stopSpacing,
                           std::int32_t textColor, std::int32_t delay);

  // Stores the font the next animation draws with; a name is cut to 31 characters.
  virtual void SetFont(std::string_view fontName, std::int32_t fontSize, std::int32_t fontWeight,
                       std::uint8_t italic, std::uint8_t underline, std::uint8_t strikeOut);

  // Paints a size grip once into the lower-right corner of the current window's client area.
  virtual void DrawSizeGrip();

  // Captures the current window's client area, sized by its Width and Height in pixels, into
  // GRADIENTFILE, and leaves the window in Pixels mode. Turns a painted gradient into a wallpaper.
  virtual void SaveClientImage();
  // Captures `window`'s client area (mode 0) or the whole window with its frame (mode 1) into a
  // BMP file; any other mode writes nothing.
  virtual void CaptureToFile(std::string_view fileName, HWND window, std::uint8_t mode);
  // Captures the whole desktop into a BMP file.
  virtual void CaptureDesktop(std::string_view fileName);
  // Captures the current window's client area into a BMP file.
  virtual void CaptureClient(std::string_view fileName);
  // Captures the current window with its frame into a BMP file.
  virtual void CaptureWindow(std::string_view fileName);

  // Paints the black-to-blue ramp straight onto the current window's client area and keeps
  // nothing; every control is hidden meanwhile and shown afterwards. Style 3 only makes the
  // window's background dark blue.
  virtual void BlueGradient(std::int16_t style);

  // Paints a two-colour gradient over the current window's client area, saves it into
  // GRADIENTFILE and makes that file the window's wallpaper, so that it repaints by itself.
  virtual void GradientFill(std::int16_t style, std::int32_t fromColor, std::int32_t toColor);

  std::int32_t BDOEFFECT;  // the animation runs only while non-zero
  char GRADIENTFILE[128];  // full path of the temporary BMP file, NUL-terminated
  char FONTNAME[32];       // typeface, NUL-terminated
  std::int32_t FONTSIZE;   // as LOGFONT.lfHeight
  std::int32_t FONTWEIGHT;
  std::uint8_t ITALICFONT;
  std::uint8_t UNDERLINEFONT;
  std::uint8_t STRIKEOUTFONT;
};

}  // namespace fx
