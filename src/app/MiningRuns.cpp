// The mining runs; they arrive with the related-search scraper and the request engine.
#include "app/MiningRuns.h"

#include "app/CommandContext.h"

void NormalMining(const CommandContext&) {}

void SuperMining(const CommandContext&) {}
