/* A small stand-in for the closed skin library: it reads skinh.she from the program's folder and marks
   the thread's top-level windows, so that a test can see which calls arrived and in which state. */
#include <windows.h>

#include <string.h>

/* The first line of a skin file of ours. */
static const char kSkinMagic[] = "SHE1";

static int IsOurSkin(const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  if (file == INVALID_HANDLE_VALUE) return 0;
  char head[sizeof kSkinMagic - 1];
  DWORD read = 0;
  BOOL ok = ReadFile(file, head, sizeof head, &read, NULL);
  CloseHandle(file);
  return ok && read == sizeof head && memcmp(head, kSkinMagic, sizeof head) == 0;
}

typedef struct {
  const wchar_t* name;
  HANDLE value;
} Mark;

/* A window that was already visible when the skin arrived gets 0x100 on top of the mark. */
static BOOL CALLBACK MarkWindow(HWND window, LPARAM lParam) {
  const Mark* mark = (const Mark*)lParam;
  INT_PTR value = (INT_PTR)mark->value | (IsWindowVisible(window) ? 0x100 : 0);
  SetPropW(window, mark->name, (HANDLE)value);
  return TRUE;
}

static void MarkThreadWindows(const wchar_t* name, INT_PTR value) {
  Mark mark = {name, (HANDLE)value};
  EnumThreadWindows(GetCurrentThreadId(), MarkWindow, (LPARAM)&mark);
}

static int ProgramFolderSkinIsOurs(void) {
  char path[MAX_PATH + 16];
  DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 0;
  char* cut = strrchr(path, '\\');
  if (!cut) return 0;
  strcpy(cut + 1, "skinh.she");
  return IsOurSkin(path);
}

/* Marks each top-level window of the thread with 1, plus 2 when skinh.she in the program's folder is a
   skin of ours, plus 4 when skinh.she in the working directory is. */
int WINAPI SkinH_Attach(void) {
  MarkThreadWindows(L"SkinH_Attach", 1 + (ProgramFolderSkinIsOurs() ? 2 : 0) + (IsOurSkin("skinh.she") ? 4 : 0));
  return 0;
}

/* Marks each top-level window of the thread with 0x10 plus the argument. */
int WINAPI SkinH_SetAero(int on) {
  MarkThreadWindows(L"SkinH_SetAero", 0x10 + on);
  return 0;
}
