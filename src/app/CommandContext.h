// What every command handler works with: the window operations and the process's keyword pool.
#pragma once

class KeywordPool;
class WindowOperations;

struct CommandContext {
  const WindowOperations& window;
  KeywordPool& pool;
};
