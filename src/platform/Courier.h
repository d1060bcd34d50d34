// Messages to another program's window, sent from a thread of their own so
// that the program's own thread never waits on that program.
#pragma once

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

}  // namespace sorvane
