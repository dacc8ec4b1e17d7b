// Where the build put the program and its skin files (set by the build, as paths Wine understands).
#pragma once
#include <string>

#include "Driver.h"

inline const std::string kProgramFile = KEYWORD_MINER_EXE;
inline const std::string kSkinLibraryFile = SKIN_LIBRARY_DLL;
inline const std::string kSkinWithoutAeroFile = SKIN_WITHOUT_AERO_DLL;
inline const std::string kSkinSourceFile = SKIN_SOURCE_FILE;

// Puts the program and, as asked, the skin library and dg.she into the folder.
inline bool Deliver(const ProgramFolder& folder, bool library = true, bool skinSource = true) {
  return folder.Copy(kProgramFile, "KeywordMiner.exe") && (!library || folder.Copy(kSkinLibraryFile, "SkinH_EL.dll")) &&
         (!skinSource || folder.Copy(kSkinSourceFile, "dg.she"));
}
