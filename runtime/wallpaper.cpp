#include "runtime/wallpaper.h"

#include "runtime/image.h"

namespace rt {

bool WallPaper::setName(std::string_view name) {
  name_ = name;
  pattern_.reset();
  stretched_.reset();
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

HBRUSH WallPaper::brushFor(HDC dc, const RECT& client, POINT origin) const {
  if (!image_) {
    return nullptr;
  }
  SIZE tile{};
  HBRUSH brush = nullptr;
  if (tiled_ && pattern_) {
    BITMAP size{};
    GetObjectA(image_.get(), sizeof size, &size);
    tile = {size.bmWidth, size.bmHeight};
    brush = static_cast<HBRUSH>(pattern_.get());
  } else {
    tile = {client.right - client.left, client.bottom - client.top};
    if (tile.cx <= 0 || tile.cy <= 0) {
      return nullptr;
    }
    if (!stretched_ || tile.cx != stretchedSize_.cx || tile.cy != stretchedSize_.cy) {
      stretched_.reset(stretchedTile(dc, tile));
      stretchedSize_ = tile;
    }
    brush = static_cast<HBRUSH>(stretched_.get());
  }
  if (brush && tile.cx > 0 && tile.cy > 0) {
    // The pattern starts at the client area's corner, `origin` up and to the left of this DC's.
    SetBrushOrgEx(dc, (tile.cx - origin.x % tile.cx) % tile.cx,
                  (tile.cy - origin.y % tile.cy) % tile.cy, nullptr);
  }
  return brush;
}

HBRUSH WallPaper::stretchedTile(HDC dc, SIZE size) const {
  GdiObject bitmap(CreateCompatibleBitmap(dc, size.cx, size.cy));
  MemoryDc canvas(CreateCompatibleDC(dc));
  if (!bitmap || !canvas) {
    return nullptr;
  }
  {
    const SelectedObject selected(canvas.get(), bitmap.get());
    paint(canvas.get(), {0, 0, size.cx, size.cy});
  }
  return CreatePatternBrush(static_cast<HBITMAP>(bitmap.get()));
}

}  // namespace rt
