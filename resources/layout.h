// The main window's layout, in twips (1/1440 inch; 15 twips a pixel at
// 96 DPI), measured from the top-left corner of the client area.
#pragma once

namespace layout {

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

inline constexpr char kCaption[] = "Gemlink v1.1";
// The window's class: how a second copy finds the first.
inline constexpr char kWindowClass[] = "Gemlink.Form1";
inline constexpr int kClientWidth = 4230;
inline constexpr int kClientHeight = 2685;

// In tab order. Check1 lies below the client area: it holds a value, it is
// never seen and never takes the focus.
inline constexpr TwipsRect kCheck1{240, 3120, 855, 255};
inline constexpr TwipsRect kCommand1{2880, 2025, 975, 315};
inline constexpr TwipsRect kOption2{1320, 2040, 1100, 255};
inline constexpr TwipsRect kOption1{360, 2040, 900, 255};

inline constexpr char kCheck1Caption[] = "Check";
inline constexpr char kCommand1Caption[] = "OK";
inline constexpr char kOption1Caption[] = "Activate";
inline constexpr char kOption2Caption[] = "DeActivate";

// Tahoma 8.25 points (165 twips), normal weight, Arabic character set.
inline constexpr char kFontFace[] = "Tahoma";
inline constexpr int kFontHeight = 165;
inline constexpr int kFontWeight = 400;
inline constexpr int kFontCharset = 178;

// The background picture is drawn twice: for this many pixels an inch, and
// for twice as many.
inline constexpr int kPictureDpi = 96;

}  // namespace layout
