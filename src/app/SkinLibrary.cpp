// Run-time binding of the skin library's two entries, never linked.
#include "app/SkinLibrary.h"

#include "app/ProgramDirectory.h"
#include "app/WideText.h"

namespace {
constexpr char kLibraryName[] = "SkinH_EL.dll";

[[noreturn]] void EndForMissing(const char* entry) {
  const Text message = Text("无法从 ") + kLibraryName + " 调用 " + entry + "，程序无法启动。";
  MessageBoxW(nullptr, Widen(message).c_str(), Widen(kLibraryName).c_str(), MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(1);
}
}  // namespace

SkinLibrary::~SkinLibrary() {
  if (module) FreeLibrary(module);
}

FARPROC SkinLibrary::Entry(const char* name) {
  if (!module) module = LoadLibraryA(PathInDirectory(programDirectory, kLibraryName).c_str());
  if (!module) module = LoadLibraryA(kLibraryName);
  FARPROC entry = module ? GetProcAddress(module, name) : nullptr;
  if (!entry) EndForMissing(name);
  return entry;
}

void SkinLibrary::Attach() {
  using AttachEntry = int(WINAPI*)();
  reinterpret_cast<AttachEntry>(reinterpret_cast<void*>(Entry("SkinH_Attach")))();
}

void SkinLibrary::SetAero(int on) {
  using SetAeroEntry = int(WINAPI*)(int);
  reinterpret_cast<SetAeroEntry>(reinterpret_cast<void*>(Entry("SkinH_SetAero")))(on);
}
