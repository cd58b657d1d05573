#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/handles.h"

namespace rt {

// A window's wallpaper: an image loaded once when it is named and painted over the client area
// on every erase, repeated at its own size (tiled) or stretched over the whole area.
class WallPaper {
 public:
  // The name as it was given, even when it named nothing that loads.
  const std::string& name() const { return name_; }
  // Loads the image of `name` (see image.h); returns whether an image now shows.
  bool setName(std::string_view name);
  bool tiled() const { return tiled_; }
  void setTiled(bool on);
  bool shows() const { return static_cast<bool>(image_); }

  // Paints over `client` (the client rectangle, in a DC whose origin is its corner); false
  // when there is no image to paint.
  bool paint(HDC dc, const RECT& client) const;

 private:
  std::string name_;
  bool tiled_ = false;
  GdiObject image_;
  GdiObject pattern_;  // the tiling brush, made once from the image
};

}  // namespace rt
