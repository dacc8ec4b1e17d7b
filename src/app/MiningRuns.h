// The two mining runs, the handlers of 按钮2 and 按钮9.
#pragma once

struct CommandContext;

void NormalMining(const CommandContext& context);  // 按钮2
void SuperMining(const CommandContext& context);   // 按钮9
