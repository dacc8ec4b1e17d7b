// The include filter that closes a run when its check box is ticked.
#include "keywords/ApplyIncludeFilter.h"

#include "keywords/DeduplicateKeywords.h"
#include "keywords/SplitLines.h"
#include "text/TextSearch.h"

void ApplyIncludeFilter(KeywordPool& pool, ListControls& controls) {
  DeduplicateKeywords(pool, controls);
  controls.PumpMessages();
  const LineList lines = SplitLines(controls.ReadText(ListBox::Results));
  controls.PumpMessages();
  // No handler runs before the next pump, so the seed read once is the seed every line would see.
  const Text seed = controls.ReadText(ListBox::Seed);
  Text kept;
  Text line;
  for (std::string_view view : lines) {
    line.assign(view.data(), view.size());
    if (ContainsText(line, seed)) {
      kept += line;
      kept += "\r\n";
    }
  }
  controls.SetText(ListBox::Results, kept);
  controls.PumpMessages();
}
