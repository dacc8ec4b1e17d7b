// Taking the result list's lines into the pool and onto the end of the work list.
#pragma once
#include "keywords/KeywordPool.h"
#include "keywords/ListControls.h"

// Every line of the result list goes into the pool, and the same lines, each followed by CR LF, go onto
// the end of the work list in a single append. Runs no handlers.
void CollectIntoPool(KeywordPool& pool, ListControls& controls);
