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
  // A brush that paints the wallpaper as it shows over `client`, lined up for `dc`, whose origin
  // lies at `origin` in the client area: what a control there shows through it. Made once per
  // image and client size; nullptr when there is no image.
  HBRUSH brushFor(HDC dc, const RECT& client, POINT origin) const;

 private:
  // A pattern brush of the image stretched over `size`.
  HBRUSH stretchedTile(HDC dc, SIZE size) const;

  std::string name_;
  bool tiled_ = false;
  GdiObject image_;
  GdiObject pattern_;  // the tiling brush, made once from the image
  // The stretched image as one tile of the client area's size, and that size.
  mutable GdiObject stretched_;
  mutable SIZE stretchedSize_{};
};

}  // namespace rt
