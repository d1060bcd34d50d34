#include "switch/SwitchSampler.h"

namespace sorvane {

void SwitchSampler::SetTimes(std::int64_t acceptMilliseconds, std::int64_t ignoreMilliseconds) {
  accept_ = acceptMilliseconds > kDebounceMilliseconds ? acceptMilliseconds : kDebounceMilliseconds;
  ignore_ = ignoreMilliseconds;
}

bool SwitchSampler::Debounced::Feed(std::int64_t now, bool raw, std::int64_t downFor) {
  if (raw == stable) {
    candidate = stable;
    return false;
  }
  if (candidate != raw) {
    candidate = raw;
    since = now;
  }
  if (now - since < (raw ? downFor : kDebounceMilliseconds)) return false;
  stable = raw;
  return true;
}

void SwitchSampler::Sample(std::int64_t now, std::uint32_t buttons) {
  lastReadingAt_ = now;
  if (any_.Feed(now, (buttons & 0xFFU) != 0) && !any_.stable) allUpSince_ = any_.since;
  // A press still waiting out the acceptance time, and since when.
  const bool pressPending = !switch_.stable && switch_.candidate;
  const std::int64_t pendingSince = switch_.since;
  if (switch_.Feed(now, (buttons & switchBit_) != 0, accept_)) SwitchChanged();
  // It opened too soon; one shorter than the debounce was only contact bounce.
  if (pressPending && !switch_.candidate && now - pendingSince >= kDebounceMilliseconds) {
    Drop(DroppedPress::Reason::kShorterThanAcceptance, pendingSince, now);
  }
}

bool SwitchSampler::PressClosedBefore(std::int64_t time) const {
  for (int i = 0; i < count_; ++i) {
    const Edge& edge = edges_[(first_ + i) % kCapacity];
    if (edge.down && edge.time < time) return true;
  }
  if (switch_.stable || !switch_.candidate || switch_.since >= time) return false;
  return !WithinIgnoreTime(switch_.since);
}

void SwitchSampler::Unplugged(std::int64_t now) {
  lastReadingAt_ = now;
  if (any_.stable) allUpSince_ = now;
  any_ = Debounced{};
  if (switch_.stable) {
    switch_.stable = false;
    switch_.since = now;
    SwitchChanged();
  }
  switch_ = Debounced{};
}

void SwitchSampler::SwitchChanged() {
  if (switch_.stable) {
    ignoring_ = WithinIgnoreTime(switch_.since);
    if (!ignoring_) Latch(true, switch_.since);
    ignoredSince_ = switch_.since;
    return;
  }
  if (ignoring_) {
    ignoring_ = false;
    Drop(DroppedPress::Reason::kWithinIgnoreTime, ignoredSince_, switch_.since);
    return;
  }
  released_ = true;
  releasedAt_ = switch_.since;
  Latch(false, switch_.since);
}

void SwitchSampler::Latch(bool down, std::int64_t time) {
  if (down) ++pressesLatched_;
  ++changesLatched_;
  if (count_ == kCapacity) {
    // Nobody takes the changes: forget the oldest whole press rather than
    // the newest, so what is kept still alternates down and up.
    first_ = (first_ + 2) % kCapacity;
    count_ -= 2;
  }
  edges_[(first_ + count_) % kCapacity] = Edge{down, time};
  ++count_;
}

void SwitchSampler::Drop(DroppedPress::Reason reason, std::int64_t closedAt, std::int64_t openedAt) {
  if (droppedCount_ == kDroppedCapacity) {
    droppedFirst_ = (droppedFirst_ + 1) % kDroppedCapacity;
    --droppedCount_;
  }
  dropped_[(droppedFirst_ + droppedCount_) % kDroppedCapacity] = DroppedPress{reason, closedAt, openedAt};
  ++droppedCount_;
}

void SwitchSampler::PopDroppedPress() {
  if (droppedCount_ == 0) return;
  droppedFirst_ = (droppedFirst_ + 1) % kDroppedCapacity;
  --droppedCount_;
}

void SwitchSampler::Pop() {
  if (count_ == 0) return;
  first_ = (first_ + 1) % kCapacity;
  --count_;
}

}  // namespace sorvane
