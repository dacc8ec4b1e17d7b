// One append of all lines: an edit box pays for every separate insertion in proportion to its length.
#include "keywords/CollectIntoPool.h"

#include "keywords/SplitLines.h"

void CollectIntoPool(KeywordPool& pool, ListControls& controls) {
  const LineList lines = SplitLines(controls.ReadText(ListBox::Results));
  if (lines.empty()) return;  // nothing to append: the work list is not even scrolled
  pool.AddLines(lines);
  if (lines.EndsWithLineBreak()) {
    controls.AppendText(ListBox::Work, lines.SourceText());
  } else {
    controls.AppendText(ListBox::Work, lines.SourceText() + "\r\n");
  }
}
