// A program whose icon the icon replacement rewrites in tests and benchmarks: an icon group
// naming icons 1 (32 x 32) and 2 (16 x 16), its resources the last section and nothing after
// them. It ends at once with exit code 7, so a test can tell that a rewritten copy still runs.
// Built a second time with a 1 MB payload in its read-only data for the benchmark.
#include <windows.h>

#ifdef ICON_TARGET_PAYLOAD
static const unsigned char kPayload[1 << 20] = {1};
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
#ifdef ICON_TARGET_PAYLOAD
  volatile int at = 0;  // read at run time, so the payload stays in the program
  return kPayload[at] == 1 ? 7 : 0;
#else
  return 7;
#endif
}
