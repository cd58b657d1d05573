#include "lumboABC/saved_background.h"

#include "framework/ini_manager.h"
#include "runtime/image_name.h"

namespace lumbo {
namespace {

constexpr char kSection[] = "Preserved";
constexpr char kKey[] = "lumboGLO:WallPaper";

}  // namespace

std::string& GloWallPaper() {
  thread_local std::string wallPaper;
  return wallPaper;
}

const std::string& FetchSavedBackground() {
  GloWallPaper() = rt::WithoutTrailingBlanks(fw::Ini().fetch(kSection, kKey));
  return GloWallPaper();
}

bool SaveBackground() {
  return fw::Ini().update(kSection, kKey, rt::WithoutTrailingBlanks(GloWallPaper()));
}

}  // namespace lumbo
