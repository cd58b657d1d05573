// Stands in for the program the shell opens BMP files with: appends the file it was given to a
// log, one line each, and ends.
//   open_recorder.exe LOG FILE
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    return 2;
  }
  FILE* log = std::fopen(argv[1], "a");
  if (!log) {
    return 1;
  }
  std::fprintf(log, "%s\n", argv[2]);
  return std::fclose(log) == 0 ? 0 : 1;
}
