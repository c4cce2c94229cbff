// How the driver reads the icon of a message box from inside the process
// that shows it. Nothing is read off the screen, where any window in front
// (a console a test machine keeps there) would be read instead; and a window
// of another process cannot be drawn from outside it (Wine gives another
// process's icons and device contexts no meaning). So icon_reader.dll is
// hooked into the box's thread, and the driver posts the box this request,
// naming the static control that holds the icon; the hook draws that icon
// into a bitmap of its own and sets the answer on the box as a property.
#pragma once

namespace icon_reader {

inline constexpr char kDll[] = "icon_reader.dll";
inline constexpr char kHook[] = "ReadIconHook";  // a WH_GETMESSAGE hook
inline constexpr char kRequest[] = "Gemlink e2e: read the icon";  // wParam: the static
inline constexpr char kAnswer[] = "Gemlink e2e: the icon's colour";

// The answer: the information icon is blue, the error icon red.
enum Colour { kUnread = 0, kBlue, kRed, kNeither };

}  // namespace icon_reader
