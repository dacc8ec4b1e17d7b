// Themes the freshly made window: a fresh copy of the delivered skin file, then the skin library.
#pragma once
#include "text/Text.h"

class SkinLibrary;

// Pumps, replaces skinh.she with a copy of dg.she (results ignored), attaches the skin with the
// translucent effect on, pumps again.
void InstallSkin(SkinLibrary& skin, const Text& programDirectory);
