// What the skinned look costs beyond the native one: a change of skin with the main window
// repainted, against the same forced repaint in the native look; and one frame of a button's
// fade, against one native paint of that button.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "app/VantoraMain.h"
#include "bench/Bench.h"

namespace {

constexpr int kRuns = 15;
constexpr int kRepeats = 10;  // work per timing, so each timing lasts long enough to measure

// Paints everything that waits for paint, children included, before it returns.
void PaintNow(HWND window) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  ::GdiFlush();
}

void ForcedRepaint(HWND window) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  PaintNow(window);
}

// Medians of work in the skinned look and of work in the native look, timed in turns; the
// switches between the looks happen outside the timings.
template <class Skinned, class Native>
bench::Pair InTurns(skin::SkinEngine& engine, HWND form, Skinned&& skinned, Native&& native) {
  std::vector<double> a, b;
  for (int run = 0; run < kRuns; ++run) {
    bench::Pump();
    a.push_back(bench::TimeMs(skinned));
    engine.SetActive(false);
    PaintNow(form);
    bench::Pump();
    b.push_back(bench::TimeMs(native));
    engine.SetActive(true);
    PaintNow(form);
  }
  return {bench::Median(a), bench::Median(b)};
}

// Frames of a button in the middle of a fade (each frame starts it again, so none is the last),
// against the same button painted natively.
bench::Pair FadeFrames(skin::SkinEngine& engine, HWND form, HWND button, ui::ButtonKind kind) {
  const auto paintsOf = [button](bool fading, ui::ButtonKind k) {
    return [=] {
      for (int i = 0; i < kRepeats; ++i) {
        if (fading)
          ui::CurrentLook().ButtonStateChanged(button, k, ui::ButtonState::Normal, ui::ButtonState::Hot,
                                               ui::ButtonEvent::MouseEnter);
        ::InvalidateRect(button, nullptr, FALSE);
        PaintNow(button);
      }
    };
  };
  return InTurns(engine, form, paintsOf(true, kind), paintsOf(false, kind));
}

}  // namespace

int main() {
  try {
    ui::Application::Instance().Initialize(::GetModuleHandleW(nullptr), L"Vantora");
    ui::Owned<TForm6> form;
    form.Show();
    bench::Pump();
    skin::SkinEngine& engine = form.skinEngine;
    engine.SetAnimationEvents(skin::kAllAnimationEvents);
    const std::wstring skins[2] = {L"WMP11", L"Ledenets (internal)"};
    int turn = 0;
    const std::string times = " (x" + std::to_string(kRepeats) + ")";

    bench::PrintHeader();
    const bench::Pair repaint = InTurns(
        engine, form.Handle(),
        [&] {
          for (int i = 0; i < kRepeats; ++i) {
            engine.SetSkinName(skins[++turn % 2]);  // the engine's change repaints every form
            PaintNow(form.Handle());
          }
        },
        [&] {
          for (int i = 0; i < kRepeats; ++i) ForcedRepaint(form.Handle());
        });
    bench::PrintRow("switch skin + repaint main window" + times, repaint.measured, repaint.reference,
                    "<= 2x native forced repaint");

    const bench::Pair push = FadeFrames(engine, form.Handle(), form.refreshList.Handle(), ui::ButtonKind::Push);
    bench::PrintRow("push button fade frame" + times, push.measured, push.reference, "<= 1.5x native paint");
    // A bitmap button's glyph is tinted once per skin, hue and saturation, then drawn from the copy.
    engine.SetHueOffset(120);
    const bench::Pair glyph = FadeFrames(engine, form.Handle(), form.optionsButton.Handle(), ui::ButtonKind::Bitmap);
    bench::PrintRow("bitmap button fade frame, tinted glyph" + times, glyph.measured, glyph.reference,
                    "<= 1.5x native paint");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_skin: %s\n", e.what());
    return 1;
  }
  return 0;
}
