#include "ui/portable/CaptionFit.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace ui {

namespace {

// Every push is worked out as growth to the right; the other three ways are the same rows
// mirrored or turned.
enum class Way { Right, Left, Down, Up };

constexpr bool Vertical(Way way) { return way == Way::Down || way == Way::Up; }

Edges Mirrored(const Edges& e) { return {-e.right, e.top, -e.left, e.bottom}; }
Edges Turned(const Edges& e) { return {e.top, e.left, e.bottom, e.right}; }

Edges To(Way way, const Edges& e) {
  switch (way) {
    case Way::Right: return e;
    case Way::Left: return Mirrored(e);
    case Way::Down: return Turned(e);
    case Way::Up: return Mirrored(Turned(e));
  }
  return e;
}

Edges From(Way way, const Edges& e) { return way == Way::Up ? Turned(Mirrored(e)) : To(way, e); }

bool SideBySide(const Edges& a, const Edges& b) { return a.top < b.bottom && b.top < a.bottom; }

class Fitter {
 public:
  Fitter(std::span<const FitItem> items, const Edges& form, int gap) : items_(items), form_(form), gap_(gap) {
    for (const FitItem& item : items) was_.push_back(item.place);
    now_ = was_;
    for (Way way : {Way::Right, Way::Left, Way::Down, Way::Up})
      for (const Edges& e : was_) wasTurned_[Index(way)].push_back(To(way, e));
    // Rows are told apart by height, so a caption's height counts from the start; whatever it
    // then crowds below it makes way in the pass of heights.
    for (size_t i = 0; i < items.size(); ++i)
      now_[i].bottom = std::max(now_[i].bottom, now_[i].top + items[i].needHeight);
  }

  // Heights only counted in telling rows apart go back to the places' before they are grown for real.
  void ForgetHeights() {
    for (size_t i = 0; i < now_.size(); ++i) now_[i].bottom = now_[i].top + (was_[i].bottom - was_[i].top);
  }

  // Each item in turn, nearest the start of its rows first, takes what its caption needs along
  // one axis: after it if it can, else as much as it can after it and the rest before it.
  void Grow(bool heights) {
    std::vector<size_t> order(items_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    const auto start = [&](size_t i) { return heights ? was_[i].top : was_[i].left; };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return start(a) < start(b); });
    const Way after = heights ? Way::Down : Way::Right, before = heights ? Way::Up : Way::Left;
    for (size_t i : order) {
      const Edges& e = now_[i];
      const int need = heights ? items_[i].needHeight : items_[i].needWidth;
      if (need <= 0) continue;
      const int extra = std::max(0, need - (heights ? e.bottom - e.top : e.right - e.left));
      // Most captions fit with room to spare: nothing to work out.
      if (extra == 0 && !Crowds(after, i)) continue;
      // A row already tighter than the layout's gaps is left as it is.
      if (!Pushed(after, i, 0)) continue;
      const int forward = Furthest(after, i, extra);
      TryPush(after, i, forward);
      if (forward < extra) TryPush(before, i, Furthest(before, i, extra - forward));
    }
  }

  // Captions a row cannot hold between the edges of what holds it: the controls of each run of
  // captions that follow one another closely, one of them still short, share the run's width in
  // proportion to what their captions ask, half the gap kept between them, rather than the first
  // keeping its place and the others none.
  void Share() {
    std::vector<size_t> next(items_.size(), kNone);
    std::vector<bool> follows(items_.size());
    for (size_t k = 0; k < items_.size(); ++k)
      if (const size_t j = Next(k); j != kNone) {
        next[k] = j;
        follows[j] = true;
      }
    const int gap = gap_ / 2;
    for (size_t first = 0; first < items_.size(); ++first) {
      if (follows[first] || next[first] == kNone) continue;
      std::vector<size_t> run;
      bool cut = false;
      for (size_t k = first; k != kNone; k = next[k]) {
        run.push_back(k);
        cut = cut || now_[k].right - now_[k].left < items_[k].needWidth;
      }
      if (!cut) continue;
      const int left = now_[first].left, right = now_[run.back()].right;
      const int room = right - left - gap * static_cast<int>(run.size() - 1);
      int asked = 0;
      for (size_t k : run) asked += items_[k].needWidth;
      int before = 0;  // what the captions earlier in the run asked
      for (size_t n = 0; n < run.size(); ++n) {
        const size_t k = run[n];
        const int from = room * before / asked;
        before += items_[k].needWidth;
        const int offset = left + gap * static_cast<int>(n);
        now_[k].left = offset + from;
        now_[k].right = offset + room * before / asked;
      }
    }
  }

  const std::vector<Edges>& Result() const { return now_; }

 private:
  static constexpr size_t kNone = static_cast<size_t>(-1);
  static size_t Index(Way way) { return static_cast<size_t>(way); }

  // The caption next after `k`'s in its row, if it follows within twice the gap.
  size_t Next(size_t k) const {
    const auto captioned = [&](size_t i) { return items_[i].needWidth > 0 && !items_[i].holds; };
    if (!captioned(k)) return kNone;
    size_t nearest = kNone;
    for (size_t j = 0; j < items_.size(); ++j)
      if (j != k && items_[j].holder == items_[k].holder && was_[j].left >= was_[k].right &&
          SideBySide(now_[j], now_[k]) && (nearest == kNone || was_[j].left < was_[nearest].left))
        nearest = j;
    if (nearest == kNone || !captioned(nearest) || now_[nearest].left - now_[k].right > 2 * gap_) return kNone;
    return nearest;
  }

  // Places change only when the push can be made.
  void TryPush(Way way, size_t i, int amount) { Push(way, i, amount, &now_); }

  // The most, up to `most`, that `i` can grow by that way.
  int Furthest(Way way, size_t i, int most) const {
    if (Pushed(way, i, most)) return most;
    int lo = 0, hi = most - 1;
    while (lo < hi) {
      const int mid = (lo + hi + 1) / 2;
      if (Pushed(way, i, mid))
        lo = mid;
      else
        hi = mid - 1;
    }
    return lo;
  }

  bool Pushed(Way way, size_t i, int amount) const { return Push(way, i, amount, nullptr); }

  // Moves `i`'s far edge on by `amount` and makes way for it along its row, the layout's gap
  // kept; `out`, when given, gets every place. False when something would leave what holds it, or
  // a panel or group box would have to move. A fit tries a push a few times per caption: it works
  // in buffers kept from one try to the next rather than allocating its own.
  bool Push(Way way, size_t i, int amount, std::vector<Edges>* out) const {
    const std::vector<Edges>& was = wasTurned_[Index(way)];
    std::vector<Edges>& now = turned_;
    now.resize(now_.size());
    for (size_t k = 0; k < now_.size(); ++k) now[k] = To(way, now_[k]);
    const Edges form = To(way, form_);
    const auto limit = [&](size_t k) {
      const int holder = items_[k].holder;
      const Edges& inside = holder < 0 ? form : now[static_cast<size_t>(holder)];
      return std::max(inside.right - gap_, was[k].right);
    };
    const bool heights = Vertical(way);
    now[i].right += amount;
    std::vector<size_t>& moved = moved_;
    moved.assign(1, i);
    while (!moved.empty()) {
      const size_t k = moved.back();
      moved.pop_back();
      if (now[k].right > limit(k)) return false;
      for (size_t j = 0; j < now.size(); ++j) {
        const int short_by = ShortBy(k, now[k], was[k], j, now[j], was[j], heights);
        if (short_by <= 0) continue;
        if (items_[j].holds) return false;
        const int need = heights ? items_[j].needHeight : items_[j].needWidth;
        const int spare = need > 0 ? std::max(0, now[j].right - now[j].left - need) : 0;
        now[j].left += short_by;
        now[j].right += std::max(0, short_by - spare);
        moved.push_back(j);
      }
    }
    if (out)
      for (size_t k = 0; k < now.size(); ++k) (*out)[k] = From(way, now[k]);
    return true;
  }

  // How far `j` stands too close after `k` in their row, the layout's gap kept; 0 or less when it
  // is clear of it, or not after it in the row. Both as seen growing to the right.
  int ShortBy(size_t k, const Edges& kNow, const Edges& kWas, size_t j, const Edges& jNow, const Edges& jWas,
              bool heights) const {
    if (j == k || items_[j].holder != items_[k].holder || jWas.left <= kWas.left || !SideBySide(jNow, kNow)) return 0;
    const int clearance = std::min(jWas.left - kWas.right, heights ? 0 : gap_);
    return kNow.right + clearance - jNow.left;
  }

  // Whether `i` stands too close to something after it that way.
  bool Crowds(Way way, size_t i) const {
    const bool heights = Vertical(way);
    for (size_t j = 0; j < items_.size(); ++j)
      if (ShortBy(i, To(way, now_[i]), wasTurned_[Index(way)][i], j, To(way, now_[j]), wasTurned_[Index(way)][j],
                  heights) > 0)
        return true;
    return false;
  }

  std::span<const FitItem> items_;
  Edges form_;
  int gap_;
  std::vector<Edges> was_, now_;
  std::array<std::vector<Edges>, 4> wasTurned_;  // the layout's places as each way sees them
  mutable std::vector<Edges> turned_;            // Push's working places
  mutable std::vector<size_t> moved_;            // and the items it still has to make way for
};

}  // namespace

std::vector<Edges> FitCaptions(std::span<const FitItem> items, const Edges& form, int gap) {
  Fitter fitter(items, form, gap);
  fitter.Grow(false);
  fitter.Share();
  fitter.ForgetHeights();
  fitter.Grow(true);
  return fitter.Result();
}

}  // namespace ui
