#include <windows.h>

#include "framework/program.h"
#include "tirval/main_frame.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  fw::RunProgram("tirval.INI", tirval::MainFrame);
  return 0;
}
