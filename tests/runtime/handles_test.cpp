#include "runtime/handles.h"

#include <gtest/gtest.h>

#include <utility>

namespace rt {
namespace {

TEST(Handles, GdiObjectIsDeletedOnceAndMovesOwnership) {
  HGDIOBJ brush = CreateSolidBrush(RGB(1, 2, 3));
  {
    GdiObject owner(brush);
    GdiObject moved(std::move(owner));
    EXPECT_FALSE(owner);
    EXPECT_EQ(moved.get(), brush);
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  }
  EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST(Handles, ResetReleasesTheOldHandle) {
  HGDIOBJ first = CreateSolidBrush(RGB(1, 1, 1));
  HGDIOBJ second = CreateSolidBrush(RGB(2, 2, 2));
  GdiObject owner(first);
  owner.reset(second);
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BRUSH));
}

TEST(Handles, SelectedObjectRestoresThePreviousOne) {
  MemoryDc dc(CreateCompatibleDC(nullptr));
  GdiObject brush(CreateSolidBrush(RGB(9, 9, 9)));
  HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BRUSH);
  {
    SelectedObject selected(dc.get(), brush.get());
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
  }
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), original);
}

TEST(Handles, FileModuleAndMemoryAreReleased) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  char path[MAX_PATH] = {};
  GetTempFileNameA(folder, "hdl", 0, path);
  {
    File file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file);
  }
  // Deleting succeeds only when no handle keeps the file open.
  EXPECT_TRUE(DeleteFileA(path));
  File invalid(INVALID_HANDLE_VALUE);
  EXPECT_FALSE(invalid);

  Module module(LoadLibraryA("user32.dll"));
  EXPECT_TRUE(module);
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, 64));
  {
    GlobalLockGuard lock(memory.get());
    ASSERT_NE(lock.data(), nullptr);
    EXPECT_EQ(GlobalFlags(memory.get()) & GMEM_LOCKCOUNT, 1u);
  }
  EXPECT_EQ(GlobalFlags(memory.get()) & GMEM_LOCKCOUNT, 0u);
}

TEST(Handles, WindowDcIsReleased) {
  // A thousand DCs that were never released would exhaust the cache of common DCs.
  for (int i = 0; i < 1000; ++i) {
    WindowDc dc(GetDesktopWindow());
    ASSERT_TRUE(dc);
  }
}

}  // namespace
}  // namespace rt
