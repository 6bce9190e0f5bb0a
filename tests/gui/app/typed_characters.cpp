#include "typed_characters.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/gui_test_support.h"

// Last: the X headers define names such as None that other headers use.
#include <X11/Xlib.h>

namespace tablora::testing {

void TypeCharacter(unsigned codePoint) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return;
  int first = 0;
  int last = 0;
  XDisplayKeycodes(display, &first, &last);
  // The last key code carries the character while it is pressed; the toolkit reads the new
  // keyboard map first, so the press is sent only after the map has settled.
  KeySym symbol = 0x01000000 | codePoint;
  XChangeKeyboardMapping(display, last, 1, &symbol, 1);
  XSync(display, False);
  PumpEvents(300);
  char name[16];
  std::snprintf(name, sizeof name, "U%04X", codePoint);
  std::system((std::string("xdotool key ") + name).c_str());
  PumpEvents(300);
  symbol = NoSymbol;
  XChangeKeyboardMapping(display, last, 1, &symbol, 1);
  XSync(display, False);
  XCloseDisplay(display);
  PumpEvents(100);
}

}  // namespace tablora::testing
