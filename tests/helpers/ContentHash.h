#pragma once
// A 64-bit FNV-1a hash of a file's contents, so that the file user helper and the tests can
// compare what was read with what was written without passing the contents around.
#include <cstddef>
#include <cstdint>

inline uint64_t ContentHash(const uint8_t* bytes, size_t size) {
  uint64_t hash = 14695981039346656037ULL;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ULL;
  return hash;
}
