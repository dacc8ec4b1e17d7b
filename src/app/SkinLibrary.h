// The closed skin library, loaded at the first call of one of its entries and unloaded with this object.
#pragma once
#include <windows.h>

#include "text/Text.h"

class SkinLibrary {
public:
  // The library is looked for in `programDirectory` first, then by name through the normal search.
  explicit SkinLibrary(const Text& programDirectory) : programDirectory(programDirectory) {}
  ~SkinLibrary();
  SkinLibrary(const SkinLibrary&) = delete;
  SkinLibrary& operator=(const SkinLibrary&) = delete;

  // When the library or the entry cannot be found, both calls tell the user which and end the process.
  void Attach();
  void SetAero(int on);

private:
  FARPROC Entry(const char* name);

  Text programDirectory;
  HMODULE module = nullptr;
};
