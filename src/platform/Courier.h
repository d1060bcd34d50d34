// Messages to another program's window, sent from a thread of their own so
// that the program's own thread never waits on that program.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/Types.h"

namespace sorvane {

struct Letter {
  WindowHandle window = 0;
  std::uint32_t message = 0;
  std::int32_t lParam = 0;  // travels as 32 bits, sign-extended
  bool post = false;        // posted without waiting for it to be handled
  // A newer letter of the same message to the same window may take its
  // place while it waits.
  bool replaceable = false;
  // Refused when the queue is nearly full, to keep room for what must arrive.
  bool mayBeLost = false;
  // A key going down or coming up: the same lParam to the same window is
  // the same key.
  enum class Key : std::uint8_t { kNone, kPress, kRelease };
  Key key = Key::kNone;
};

class Courier {
 public:
  // Sends the letter after every letter handed over before it, once, and
  // waits as long as the window takes to handle it. A letter to a window that
  // no longer exists is dropped.
  virtual void Hand(const Letter& letter) = 0;
  // Letters handed over and not yet handled, the one under way included.
  virtual int Undelivered() = 0;
  // Waits at most this long for every letter to be handled; false if some are not.
  virtual bool WaitDelivered(int milliseconds) = 0;
  // Posts the letters still waiting, in order, from the caller's thread, and
  // takes them from the courier. A posted message waits in its window's own
  // queue behind the one the window is handling, so it arrives even after
  // this program has ended. Returns how many were posted.
  virtual int PostWaiting() = 0;

 protected:
  ~Courier() = default;
};

// The courier's waiting letters, in order, in a ring fixed at construction.
class LetterQueue {
 public:
  static constexpr int kCapacity = 2048;
  static constexpr int kKeptForWhatMustArrive = 64;

  // False when the letter was refused: the queue is full, or nearly full and
  // the letter may be lost.
  bool Push(const Letter& letter) {
    if (count_ > 0) {
      Letter& last = ring_[static_cast<std::size_t>((first_ + count_ - 1) % kCapacity)];
      if (last.replaceable && letter.replaceable && last.window == letter.window &&
          last.message == letter.message) {
        last = letter;
        return true;
      }
    }
    if (count_ == kCapacity || (letter.mayBeLost && count_ >= kCapacity - kKeptForWhatMustArrive)) return false;
    ring_[static_cast<std::size_t>((first_ + count_) % kCapacity)] = letter;
    ++count_;
    return true;
  }
  bool Empty() const { return count_ == 0; }
  int Size() const { return count_; }
  const Letter& Front() const { return ring_[static_cast<std::size_t>(first_)]; }
  void Pop() {
    if (count_ == 0) return;
    first_ = (first_ + 1) % kCapacity;
    --count_;
  }

 private:
  std::array<Letter, kCapacity> ring_{};
  int first_ = 0;
  int count_ = 0;
};

// The keys whose press has left and whose release has not, so that a tap
// whose press and release waited together behind a busy window still lasts
// long enough for a program that looks at the key's state rather than at
// its messages. Fixed in size: the courier allocates nothing as it delivers.
class HeldKeys {
 public:
  static constexpr std::int64_t kShortestTap = 30;  // ms

  // The earliest time, now or later, at which the letter may leave.
  std::int64_t EarliestLeaving(const Letter& letter, std::int64_t now) const {
    if (letter.key != Letter::Key::kRelease) return now;
    const int held = Find(letter);
    return held < 0 ? now : std::max(now, keys_[static_cast<std::size_t>(held)].since + kShortestTap);
  }

  void Left(const Letter& letter, std::int64_t at) {
    if (letter.key == Letter::Key::kNone) return;
    const int held = Find(letter);
    if (letter.key == Letter::Key::kRelease) {
      if (held >= 0) keys_[static_cast<std::size_t>(held)] = Held{};
      return;
    }
    // A repeated press: the key has been down since the first.
    if (held >= 0) return;
    Held* slot = &keys_[0];
    for (Held& candidate : keys_) {
      if (candidate.window == 0) {
        slot = &candidate;
        break;
      }
      if (candidate.since < slot->since) slot = &candidate;
    }
    *slot = Held{letter.window, letter.lParam, at};
  }

 private:
  struct Held {
    WindowHandle window = 0;  // 0: a free slot
    std::int32_t lParam = 0;
    std::int64_t since = 0;
  };
  int Find(const Letter& letter) const {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
      if (keys_[i].window != 0 && keys_[i].window == letter.window && keys_[i].lParam == letter.lParam) return static_cast<int>(i);
    }
    return -1;
  }
  std::array<Held, 8> keys_{};
};

}  // namespace sorvane
