// Text fitted to the room a control gives it: drawn at its own size where it
// fits, smaller where it would be cut.
#pragma once

#include <algorithm>

namespace sorvane {

// How much room a text takes in pixels: the width of its run, the height of
// its line.
struct TextExtent {
  int width = 0;
  int height = 0;
};

// The character height in pixels at which a text fits a box: the one asked
// for where it fits, else the largest smaller one that does (1 at least).
// measure(pixelHeight) is the text's extent at that character height.
template <typename Measure>
int FittingPixelHeight(int wanted, int boxWidth, int boxHeight, Measure&& measure) {
  if (wanted <= 1) return wanted;
  const auto fits = [&](const TextExtent& extent) { return extent.width <= boxWidth && extent.height <= boxHeight; };
  const TextExtent asked = measure(wanted);
  if (fits(asked)) return wanted;
  if (boxWidth <= 0 || boxHeight <= 0) return 1;
  // Text grows about in proportion with its height: start where that says it
  // fits, then step to the largest height that really does.
  long long estimate = wanted - 1;
  if (asked.width > boxWidth) estimate = std::min(estimate, 1LL * wanted * boxWidth / asked.width);
  if (asked.height > boxHeight) estimate = std::min(estimate, 1LL * wanted * boxHeight / asked.height);
  int fitted = estimate < 1 ? 1 : static_cast<int>(estimate);
  while (fitted > 1 && !fits(measure(fitted))) --fitted;
  while (fitted + 1 < wanted && fits(measure(fitted + 1))) ++fitted;
  return fitted;
}

}  // namespace sorvane
