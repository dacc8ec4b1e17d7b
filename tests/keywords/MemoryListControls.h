// The three boxes of the list operations held in memory, with pumps that run scripted handlers: the
// n-th pump (counted over nested operations too) runs the action scripted for n.
#pragma once
#include <functional>
#include <map>

#include "keywords/ListControls.h"

class MemoryListControls : public ListControls {
public:
  Text ReadText(ListBox box) override { return boxes[box]; }
  void SetText(ListBox box, const Text& text) override {
    boxes[box] = text;
    ++setTexts[box];
  }
  void AppendText(ListBox box, const Text& text) override {
    boxes[box] += text;
    ++appends[box];
  }
  void PumpMessages() override {
    const auto action = onPump.find(++pumps);
    if (action != onPump.end()) action->second();
  }

  std::map<ListBox, Text> boxes;
  std::map<int, std::function<void()>> onPump;
  std::map<ListBox, int> setTexts;
  std::map<ListBox, int> appends;
  int pumps = 0;
};
