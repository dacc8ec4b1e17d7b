// Finding the program's folder from the running module's path.
#include "app/ProgramDirectory.h"

#include <windows.h>

Text DirectoryOfPath(const Text& path) {
  std::size_t cut = Text::npos;
  for (std::size_t i = 0; i < path.size();) {
    const unsigned char byte = static_cast<unsigned char>(path[i]);
    if (byte == '\\') cut = i;
    i += IsDBCSLeadByte(byte) && i + 1 < path.size() ? 2 : 1;
  }
  return cut == Text::npos ? Text() : path.substr(0, cut);
}

Text PathInDirectory(const Text& directory, const Text& name) { return directory + "\\" + name; }

Text ProgramDirectory() {
  Text path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return DirectoryOfPath(path);
}
