// The request wait's limit: whole seconds from the caller, milliseconds for the platform wait.
#pragma once
#include <cstdint>

constexpr int kDefaultTimeLimit = 90;

// The limit times 1000, with 0 meaning 90 s. A negative limit also means 90 s, and a limit whose
// milliseconds do not fit below the platform's "for ever" (0xFFFFFFFF) waits as long as it can.
std::uint32_t WaitMilliseconds(int timeLimit);
