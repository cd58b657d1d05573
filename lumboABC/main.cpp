#include <windows.h>

#include "framework/program.h"
#include "lumboABC/main_frame.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  fw::RunProgram("lumboABC.INI", lumbo::Main);
  return 0;
}
