// The small keyword commands. The two fetching ones arrive with the suggestion sources.
#include "app/KeywordCommands.h"

#include "app/CommandContext.h"
#include "app/WindowListControls.h"
#include "app/WindowOperations.h"
#include "keywords/DeduplicateKeywords.h"
#include "queue/PumpMessages.h"

void FetchOneLayer(const CommandContext&) {}

void ExpandWorkList(const CommandContext&) {}

void RemoveDuplicates(const CommandContext& context) {
  WindowListControls controls(context.window);
  DeduplicateKeywords(context.pool, controls);
}

void CopyResults(const CommandContext& context) {
  context.window.SetClipboardText(context.window.ReadText(编辑框2));
  PumpMessages();
  context.window.ShowInfo("复制完毕!");
}

void ClearLists(const CommandContext& context) {
  context.window.SetText(编辑框1, "");
  context.window.SetText(编辑框2, "");
}
