#include "runtime/random_source.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
// bcrypt.h needs windows.h ahead of it.
#include <bcrypt.h>
#else
#include <sys/random.h>

#include <cerrno>
#endif

#include <array>
#include <cstddef>

#include "runtime/error.h"

namespace rt {

namespace {
// The system generator is asked for a block at a time: one call per draw cost a system call
// each, several per password.
constexpr std::size_t kBlock = 256;

void FillFromSystem(std::uint64_t* block, std::size_t count) {
#ifdef _WIN32
  if (BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(block),
                      static_cast<ULONG>(count * sizeof *block),
                      BCRYPT_USE_SYSTEM_PREFERRED_RNG) != 0) {
    throw RuntimeError(kDeviceIoError, "BCryptGenRandom");
  }
#else
  auto* bytes = reinterpret_cast<unsigned char*>(block);
  std::size_t filled = 0;
  while (filled < count * sizeof *block) {
    const ssize_t got = getrandom(bytes + filled, count * sizeof *block - filled, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw RuntimeError(kDeviceIoError, "getrandom");
    }
    filled += static_cast<std::size_t>(got);
  }
#endif
}

std::uint64_t RandomBits() {
  thread_local std::array<std::uint64_t, kBlock> block;
  thread_local std::size_t next = kBlock;
  if (next == kBlock) {
    FillFromSystem(block.data(), block.size());
    next = 0;
  }
  return block[next++];
}
}  // namespace

double SystemRandomSource::Next() {
  // 53 random bits give every double of [0, 1) on the grid of 2^-53, uniformly.
  return static_cast<double>(RandomBits() >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace rt
