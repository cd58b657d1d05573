// What the window animation's subclass costs a window, against floors measured in the same run:
//   print_client_bench.exe [RUNS]
// - any message: SendMessage through PrintClientProc (which looks the window's saved procedure up)
//   against SendMessage straight to the window's own procedure;
// - WM_PRINTCLIENT: PrintClientProc filling the client area (a brush made and freed per message)
//   against the same message unsubclassed plus one FillRect with a brush made beforehand.
// Runs alternate between measured and floor; prints medians and their ratios, judges nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "effects/window_animation.h"
#include "launch_timing.h"
#include "runtime/runtime.h"

namespace {

constexpr rt::WindowDefinition kWindow{.name = "bench$animated",
                                       .label = "P1$WINDOW",
                                       .title = "Bench",
                                       .width = 231,
                                       .height = 150,
                                       .gray = true,
                                       .color = 0x808000};

constexpr int kMessages = 100000;
constexpr int kPrints = 5000;

// Nanoseconds per repetition of `body`, run `count` times.
double NsEach(int count, const std::function<void()>& body) {
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < count; ++i) {
    body();
  }
  LARGE_INTEGER end;
  QueryPerformanceCounter(&end);
  return bench::Seconds(start, end) * 1e9 / count;
}

using bench::Median;

void Report(const char* what, const std::vector<double>& measured,
            const std::vector<double>& floor) {
  std::printf("%-44s median %9.0f ns   floor %9.0f ns   ratio %.2f\n", what, Median(measured),
              Median(floor), Median(measured) / Median(floor));
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  rt::Start();
  rt::Window plain(kWindow);
  rt::Window subclassed(kWindow);
  fx::SubclassWithPrintClient(subclassed);

  rt::MemoryDc dc(CreateCompatibleDC(nullptr));
  rt::GdiObject bitmap(CreateCompatibleBitmap(GetDC(nullptr), 600, 400));
  rt::SelectedObject selected(dc.get(), bitmap.get());
  const WPARAM target = reinterpret_cast<WPARAM>(dc.get());
  rt::GdiObject keptBrush(CreateSolidBrush(0x808000));
  RECT client{};
  GetClientRect(plain.handle(), &client);

  std::vector<double> message, messageFloor, print, printFloor;
  for (int run = 0; run < runs; ++run) {
    message.push_back(
        NsEach(kMessages, [&] { SendMessageA(subclassed.handle(), WM_USER + 1, 0, 0); }));
    messageFloor.push_back(
        NsEach(kMessages, [&] { SendMessageA(plain.handle(), WM_USER + 1, 0, 0); }));
    print.push_back(NsEach(
        kPrints, [&] { SendMessageA(subclassed.handle(), WM_PRINTCLIENT, target, PRF_CLIENT); }));
    printFloor.push_back(NsEach(kPrints, [&] {
      SendMessageA(plain.handle(), WM_PRINTCLIENT, target, PRF_CLIENT);
      FillRect(dc.get(), &client, static_cast<HBRUSH>(keptBrush.get()));
    }));
  }
  std::printf("Window animation subclass, %d runs each, alternating:\n", runs);
  Report("any message through PrintClientProc", message, messageFloor);
  Report("WM_PRINTCLIENT filled by PrintClientProc", print, printFloor);
  return 0;
}
