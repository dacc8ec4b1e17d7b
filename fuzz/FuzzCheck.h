// What every fuzz target needs: its input as a buffer, and a check that stops the run as a finding.
#pragma once
#include "text/Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

inline ByteBuffer FuzzInput(const std::uint8_t* data, std::size_t size) {
  return ByteBuffer(reinterpret_cast<const char*>(data), size);
}

#define FUZZ_CHECK(condition)                                                  \
  do {                                                                         \
    if (!(condition)) {                                                        \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      __builtin_trap();                                                        \
    }                                                                          \
  } while (false)
