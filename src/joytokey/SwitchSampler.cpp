#include "joytokey/SwitchSampler.h"

namespace sorvane {

bool SwitchSampler::Debounced::Feed(std::int64_t now, bool raw) {
  if (raw == stable) {
    candidate = stable;
    return false;
  }
  if (candidate != raw) {
    candidate = raw;
    since = now;
  }
  if (now - since < kDebounceMilliseconds) return false;
  stable = raw;
  return true;
}

void SwitchSampler::Sample(std::int64_t now, std::uint32_t buttons) {
  if (any_.Feed(now, (buttons & 0xFFU) != 0) && !any_.stable) allUpSince_ = any_.since;
  if (switch_.Feed(now, (buttons & 0x01U) != 0)) Latch(switch_.stable, switch_.since);
}

void SwitchSampler::Unplugged(std::int64_t now) {
  if (any_.stable) allUpSince_ = now;
  any_ = Debounced{};
  if (switch_.stable) Latch(false, now);
  switch_ = Debounced{};
}

void SwitchSampler::Latch(bool down, std::int64_t time) {
  if (down) ++pressesLatched_;
  if (count_ == kCapacity) {
    // Nobody takes the changes: forget the oldest whole press rather than
    // the newest, so what is kept still alternates down and up.
    first_ = (first_ + 2) % kCapacity;
    count_ -= 2;
  }
  edges_[(first_ + count_) % kCapacity] = Edge{down, time};
  ++count_;
}

void SwitchSampler::Pop() {
  if (count_ == 0) return;
  first_ = (first_ + 1) % kCapacity;
  --count_;
}

}  // namespace sorvane
