#pragma once
// World values along one axis of a drawing and the device pixels that show
// them: the plots' graphs and the side and plan views map their world window
// onto the window, the printed page or a bitmap with it. Plain arithmetic.

namespace zavik {

// Pixel coordinates are kept within this bound, far outside any device, so
// that no transformed value overflows what the painter takes.
constexpr int PixelLimit = 1000000;

// The nearest whole pixel, halves to the even neighbour (as the design
// rounds), bounded by PixelLimit; a value that is not a number gives 0.
int RoundPixel(long double X);

// World values From .. To shown on the pixels from Origin over Length
// pixels; a negative Length runs the other way (a Y axis growing upwards from
// the bottom edge).
struct TAxisMap {
  long double From, To;
  long double Origin, Length;

  // The whole pixel of a world value, within PixelLimit.
  int ToPixel(long double Value) const;
  // The world value of a pixel, without rounding.
  long double ToWorld(long double Pixel) const { return From + (Pixel - Origin) / Length * (To - From); }
};

}  // namespace zavik
