// The handlers of the window's smaller commands: one layer of suggestions, expanding the work list,
// de-duplicating, copying and clearing the lists.
#pragma once

struct CommandContext;

void FetchOneLayer(const CommandContext& context);   // 按钮1
void ExpandWorkList(const CommandContext& context);  // 按钮5
void RemoveDuplicates(const CommandContext& context);  // 按钮6
void CopyResults(const CommandContext& context);       // 按钮7
void ClearLists(const CommandContext& context);        // 按钮8
