// One append of all lines: an edit box pays for every separate insertion in proportion to its length.
#include "keywords/CollectIntoPool.h"

#include "keywords/SplitLines.h"

void CollectIntoPool(KeywordPool& pool, ListControls& controls) {
  const LineList lines = SplitLines(controls.ReadText(ListBox::Results));
  if (lines.empty()) return;  // nothing to append: the work list is not even scrolled
  Text appended;
  for (std::string_view line : lines) {
    pool.Add(line);
    appended.append(line.data(), line.size());
    appended.append("\r\n", 2);
  }
  controls.AppendText(ListBox::Work, appended);
}
