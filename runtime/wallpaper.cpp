#include "runtime/wallpaper.h"

#include "runtime/image.h"

namespace rt {

bool WallPaper::setName(std::string_view name) {
  name_ = name;
  pattern_.reset();
  image_ = LoadNamedImage(name);
  setTiled(tiled_);
  return shows();
}

void WallPaper::setTiled(bool on) {
  tiled_ = on;
  if (tiled_ && image_ && !pattern_) {
    pattern_.reset(CreatePatternBrush(static_cast<HBITMAP>(image_.get())));
  }
}

bool WallPaper::paint(HDC dc, const RECT& client) const {
  if (!image_) {
    return false;
  }
  if (tiled_ && pattern_) {
    // Tiles start at the client area's corner wherever the update region lies.
    POINT oldOrigin{};
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    FillRect(dc, &client, static_cast<HBRUSH>(pattern_.get()));
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    return true;
  }
  BITMAP size{};
  GetObjectA(image_.get(), sizeof size, &size);
  MemoryDc source(CreateCompatibleDC(dc));
  if (!source) {
    return false;
  }
  const SelectedObject selected(source.get(), image_.get());
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top,
             source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
  return true;
}

}  // namespace rt
