// Start-up and shutdown of the built program in a folder of its own: the skin file is prepared in the
// program's folder whatever the working directory, a missing skin library or entry stops the program
// with a message before the window is shown, and closing the window ends the process.
#include <gtest/gtest.h>

#include "BuiltProgram.h"

namespace {

// Marks left on the main window by our skin library (see skin/SkinStandIn.c).
constexpr INT_PTR kAttached = 1, kProgramFolderSkin = 2, kWorkingDirectorySkin = 4, kAeroOn = 0x11,
                  kWasVisible = 0x100;

TEST(Startup, CopiesTheSkinAndAttachesItBeforeTheWindowShows) {
  ProgramFolder folder, elsewhere;
  ASSERT_TRUE(Deliver(folder));
  ASSERT_TRUE(folder.Write("skinh.she", "an old skin file"));
  RunningProgram program(folder.PathOf("KeywordMiner.exe"), elsewhere.Path());
  ASSERT_TRUE(program.Started());
  HWND window = program.WaitForMainWindow();
  ASSERT_NE(nullptr, window);

  EXPECT_EQ(folder.Read("dg.she"), folder.Read("skinh.she"));
  EXPECT_FALSE(elsewhere.Read("skinh.she"));
  // Found in the program's folder, and also as the working directory's own file: the working directory
  // is the program's folder.
  EXPECT_EQ(kAttached | kProgramFolderSkin | kWorkingDirectorySkin,
            reinterpret_cast<INT_PTR>(GetPropW(window, L"SkinH_Attach")));
  EXPECT_EQ(kAeroOn, reinterpret_cast<INT_PTR>(GetPropW(window, L"SkinH_SetAero")));

  const DWORD closed = GetTickCount();
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(program.WaitForExit(10000));
  std::printf("close to exit: %lu ms\n", GetTickCount() - closed);
  EXPECT_EQ(0u, program.ExitCode());
}

TEST(Startup, AnOldSkinFileWithoutItsSourceIsGone) {
  ProgramFolder folder;
  ASSERT_TRUE(Deliver(folder, true, false));
  ASSERT_TRUE(folder.Write("skinh.she", "SHE1 an old skin file"));
  RunningProgram program(folder.PathOf("KeywordMiner.exe"), folder.Path());
  HWND window = program.WaitForMainWindow();
  ASSERT_NE(nullptr, window);
  EXPECT_FALSE(folder.Read("skinh.she"));
  EXPECT_EQ(kAttached, reinterpret_cast<INT_PTR>(GetPropW(window, L"SkinH_Attach")));
  EXPECT_EQ(kAeroOn, reinterpret_cast<INT_PTR>(GetPropW(window, L"SkinH_SetAero")) & ~kWasVisible);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit(10000));
}

// The program in the root of a drive, started from a folder further down on that drive: "C:" alone
// would name the drive's current folder, not its root.
TEST(Startup, AProgramInTheRootOfADriveWorksThere) {
  const std::string root = "C:\\";
  const char* const files[] = {"KeywordMiner.exe", "SkinH_EL.dll", "dg.she", "skinh.she"};
  struct Cleanup {
    const std::string& root;
    const char* const (&files)[4];
    ~Cleanup() {
      for (const char* name : files) DeleteFileA((root + name).c_str());
    }
  } cleanup{root, files};
  ASSERT_TRUE(CopyFileA(kProgramFile.c_str(), (root + files[0]).c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(kSkinLibraryFile.c_str(), (root + files[1]).c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(kSkinSourceFile.c_str(), (root + files[2]).c_str(), FALSE));
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  ASSERT_EQ(0, _strnicmp(windows, root.c_str(), root.size())) << windows;

  RunningProgram program(root + files[0], windows);
  HWND window = program.WaitForMainWindow();
  ASSERT_NE(nullptr, window);
  EXPECT_EQ(kAttached | kProgramFolderSkin | kWorkingDirectorySkin,
            reinterpret_cast<INT_PTR>(GetPropW(window, L"SkinH_Attach")));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit(10000));
}

struct MissingCase {
  const char* name;
  bool library;
  const char* entry;
};

class MissingSkin : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingSkin, NamesLibraryAndEntryAndNeverShowsTheWindow) {
  const MissingCase& row = GetParam();
  ProgramFolder folder;
  ASSERT_TRUE(Deliver(folder, false));
  if (row.library) {
    ASSERT_TRUE(folder.Copy(kSkinWithoutAeroFile, "SkinH_EL.dll"));
  }
  RunningProgram program(folder.PathOf("KeywordMiner.exe"), folder.Path());
  HWND box = program.WaitForWindow(L"#32770", "SkinH_EL.dll", 10000);
  ASSERT_NE(nullptr, box);
  const std::optional<Text> text = BoxText(box);
  ASSERT_TRUE(text);
  EXPECT_NE(Text::npos, text->find("SkinH_EL.dll")) << *text;
  EXPECT_NE(Text::npos, text->find(row.entry)) << *text;
  HWND window = program.WaitForWindow(L"KeywordMinerWindow", kMainTitle, 0);
  EXPECT_FALSE(window && IsWindowVisible(window));

  CloseBox(box);
  ASSERT_TRUE(program.WaitForExit(10000));
  EXPECT_NE(0u, program.ExitCode());
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingSkin,
                         ::testing::Values(MissingCase{"NoLibrary", false, "SkinH_Attach"},
                                           MissingCase{"NoSetAero", true, "SkinH_SetAero"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
