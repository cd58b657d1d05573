#pragma once

#include <windows.h>

// The process's application frame, as windows on every thread find it: the first frame that
// opens registers its MDI client, and the child windows of any thread are created inside it.
// Each child belongs to the thread that created it and must be destroyed on that thread, so the
// frame closes its children before itself and waits for their threads.
namespace rt {

// Registers the MDI client of a frame that opens; false when another frame is registered.
bool RegisterApplicationFrame(HWND mdiClient);

// The MDI client of the registered frame; nullptr when none is open or it has begun to close.
HWND ApplicationFrameClient();

// Run by a frame before it is destroyed; nothing unless `mdiClient` is the registered one. Takes
// the registration back, so no child opens any more, asks every child of another thread to
// close (as its close box does: its thread closes and destroys it), and waits up to `timeoutMs`
// for the threads the runtime started, dispatching this thread's messages meanwhile. Returns
// whether they all ended in time.
bool CloseApplicationFrame(HWND mdiClient, DWORD timeoutMs);

}  // namespace rt
