// The program's folder from its path, including a drive root and a backslash that is half a character,
// and the GBK conversions at the window's edge.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/ProgramDirectory.h"
#include "app/WideText.h"

namespace {

TEST(DirectoryOfPath, CutsBeforeTheLastBackslash) {
  if (GetACP() != 936) GTEST_SKIP() << "needs the GBK ANSI code page (LC_ALL=zh_CN.UTF-8)";
  struct Case {
    Text path, directory;
  } cases[] = {
      {"C:\\Program Files\\Miner\\KeywordMiner.exe", "C:\\Program Files\\Miner"},
      {"C:\\KeywordMiner.exe", "C:"},
      {"KeywordMiner.exe", ""},
      {"C:\\挖掘\\KeywordMiner.exe", "C:\\挖掘"},
      {"C:\\a\\\x81\x5C.exe", "C:\\a"},  // 0x5C after a lead byte belongs to the character
      {"C:\\a\x81\\\\b.exe", "C:\\a\x81\\"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.path);
    EXPECT_EQ(row.directory, DirectoryOfPath(row.path));
    EXPECT_EQ(row.directory + "\\skinh.she", PathInDirectory(row.directory, "skinh.she"));
  }
}

TEST(ProgramDirectory, IsWhereTheRunningProgramLies) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const Text directory = ProgramDirectory();
  EXPECT_EQ(Text(path).substr(0, directory.size() + 1), directory + "\\");
  EXPECT_EQ(Text::npos, Text(path).find('\\', directory.size() + 1));
}

TEST(WideText, ConvertsGbkBothWays) {
  struct Case {
    Text gbk;
    std::wstring wide;
  } cases[] = {
      {"", L""},
      {"abc\r\n", L"abc\r\n"},
      {"\xB9\xD8\xBC\xFC\xB4\xCA", L"\u5173\u952E\u8BCD"},  // 关键词
      {"Tovrin\xB9\xD8", L"Tovrin\u5173"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.gbk);
    EXPECT_EQ(row.wide, Widen(row.gbk));
    EXPECT_EQ(row.gbk, Narrow(row.wide));
  }
  EXPECT_EQ("a?", Narrow(L"a\u0E01"));  // what GBK lacks
}

}  // namespace
