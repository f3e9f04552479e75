#pragma once
// Twips, the unit the forms are laid out in: 1/1440 inch, 15 to a pixel at 96 dots per inch.

namespace rt {

inline constexpr int kTwipsPerInch = 1440;

// A rectangle given in twips, as the form designer lays controls out.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// Twips to pixels at a resolution (dots per inch), rounded to the nearest pixel, halves away
// from zero as the system's MulDiv rounds them.
constexpr int TwipsToPixels(int twips, int dots_per_inch) {
  const int scaled = twips * dots_per_inch;
  return (scaled >= 0 ? scaled + kTwipsPerInch / 2 : scaled - kTwipsPerInch / 2) / kTwipsPerInch;
}

}  // namespace rt
