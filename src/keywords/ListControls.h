// The narrow seam through which the list operations reach the window: the three edit boxes they use and
// the message pump. The program wires it to the real controls; tests use a plain in-memory stand-in.
#pragma once
#include "text/Text.h"

enum class ListBox { Seed, Results, Work };

class ListControls {
public:
  virtual ~ListControls() = default;
  // The box's whole text, line breaks as CR LF.
  virtual Text ReadText(ListBox box) = 0;
  // Replaces the box's whole text.
  virtual void SetText(ListBox box, const Text& text) = 0;
  // Adds the text at the end of the box, nothing before or after it.
  virtual void AppendText(ListBox box, const Text& text) = 0;
  // Runs the handlers of everything the user did meanwhile; they may change the boxes and the pool.
  virtual void PumpMessages() = 0;
};
