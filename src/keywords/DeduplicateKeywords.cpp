// The pool keeps its distinct lines as ready text, so the list is written with one SetText.
#include "keywords/DeduplicateKeywords.h"

#include "keywords/CollectIntoPool.h"

void DeduplicateKeywords(KeywordPool& pool, ListControls& controls) {
  CollectIntoPool(pool, controls);
  // A handler run here may itself de-duplicate into the same pool; the text is taken only afterwards.
  controls.PumpMessages();
  // Handed over by reference: setting a box's text runs no handler, so nothing adds to the pool meanwhile.
  controls.SetText(ListBox::Results, pool.DistinctText());
}
