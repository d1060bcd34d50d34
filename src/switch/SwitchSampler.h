// The switch, read every few milliseconds apart from the 200 ms tick: each
// reading is debounced, and every accepted change is latched with its time
// until the tick takes it. A press too short for the tick to see is kept.
#pragma once

#include <array>
#include <cstdint>

namespace sorvane {

class SwitchSampler {
 public:
  // A new state must hold this long to count: contact bounce is ignored.
  static constexpr std::int64_t kDebounceMilliseconds = 20;

  // switchBit picks the switch among joystick 0's buttons: button 1 is the
  // switch, button 2 the second switch of two-switch scanning.
  explicit SwitchSampler(std::uint32_t switchBit = 0x01U) : switchBit_(switchBit) {}

  struct Edge {
    bool down;
    std::int64_t time;  // when the new state was first seen
  };

  // A press that never became an edge, for whoever keeps a record of the
  // switch: why it was dropped, when it closed and when it opened again.
  struct DroppedPress {
    enum class Reason { kShorterThanAcceptance, kWithinIgnoreTime };
    Reason reason;
    std::int64_t closedAt;
    std::int64_t openedAt;
  };

  // A press counts only once the switch has been down acceptMilliseconds
  // (never less than the debounce); a press that begins within
  // ignoreMilliseconds of the last counted release is ignored whole.
  void SetTimes(std::int64_t acceptMilliseconds, std::int64_t ignoreMilliseconds);

  // One reading of joystick 0's buttons 1 to 8 (bit 0 is button 1).
  void Sample(std::int64_t now, std::uint32_t buttons);
  // A failed reading: the joystick is gone, so every button is up at once.
  void Unplugged(std::int64_t now);

  // The debounced state of the switch, and of any of buttons 1 to 8.
  bool SwitchDown() const { return switch_.stable; }
  bool AnyDown() const { return any_.stable; }
  // The switch is open and no closing waits to be confirmed.
  bool SwitchOpen() const { return !switch_.stable && !switch_.candidate; }
  // When the last reading was taken; -1 before the first.
  std::int64_t LastReadingAt() const { return lastReadingAt_; }
  // When buttons 1 to 8 were last all seen up, debounced.
  std::int64_t AllUpSince() const { return allUpSince_; }

  // The switch's latched changes, oldest first.
  bool HasEdge() const { return count_ > 0; }
  const Edge& Front() const { return edges_[first_]; }
  void Pop();
  // A press that closed before time is on its way to the ticks: it is
  // waiting out the acceptance time (and is not one to be ignored), or it is
  // latched and not taken yet.
  bool PressClosedBefore(std::int64_t time) const;
  // Forgets every latched change: nothing is listening to this switch.
  void DropEdges() {
    first_ = 0;
    count_ = 0;
  }
  // Counts every latched press, and every latched change, so a caller can
  // tell a new one from an old one.
  std::uint64_t PressesLatched() const { return pressesLatched_; }
  std::uint64_t ChangesLatched() const { return changesLatched_; }
  // A reading differs from the debounced state and waits to be confirmed or
  // dropped: the switch should be read again soon.
  // The presses dropped since they were last taken, oldest first; a few are
  // kept, the oldest forgotten first when nobody takes them.
  bool HasDroppedPress() const { return droppedCount_ > 0; }
  const DroppedPress& FrontDroppedPress() const { return dropped_[droppedFirst_]; }
  void PopDroppedPress();
  bool Settling() const { return switch_.candidate != switch_.stable || any_.candidate != any_.stable; }

 private:
  struct Debounced {
    bool stable = false;
    bool candidate = false;
    std::int64_t since = 0;
    // True when the reading changed the stable state.
    bool Feed(std::int64_t now, bool raw, std::int64_t downFor = kDebounceMilliseconds);
  };
  // A press closing then is ignored whole.
  bool WithinIgnoreTime(std::int64_t closedAt) const {
    return released_ && ignore_ > 0 && closedAt - releasedAt_ < ignore_;
  }
  void Latch(bool down, std::int64_t time);
  void SwitchChanged();
  void Drop(DroppedPress::Reason reason, std::int64_t closedAt, std::int64_t openedAt);

  static constexpr int kCapacity = 16;
  std::uint32_t switchBit_;
  Debounced switch_;
  Debounced any_;
  std::int64_t allUpSince_ = 0;
  std::int64_t lastReadingAt_ = -1;
  std::int64_t accept_ = kDebounceMilliseconds;
  std::int64_t ignore_ = 0;
  bool released_ = false;  // a counted press has been released
  std::int64_t releasedAt_ = 0;
  bool ignoring_ = false;  // the switch is down on a press that does not count
  std::array<Edge, kCapacity> edges_{};
  int first_ = 0;
  int count_ = 0;
  std::uint64_t pressesLatched_ = 0;
  std::uint64_t changesLatched_ = 0;
  std::int64_t ignoredSince_ = 0;  // when the press being ignored closed
  static constexpr int kDroppedCapacity = 8;
  std::array<DroppedPress, kDroppedCapacity> dropped_{};
  int droppedFirst_ = 0;
  int droppedCount_ = 0;
};

}  // namespace sorvane
