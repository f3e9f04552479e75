#include "runtime/random_source.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#include <bcrypt.h>
#else
#include <random>
#endif

#include "runtime/error.h"

namespace rt {

namespace {
std::uint64_t RandomBits() {
  std::uint64_t bits = 0;
#ifdef _WIN32
  if (BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&bits), sizeof bits,
                      BCRYPT_USE_SYSTEM_PREFERRED_RNG) != 0) {
    throw RuntimeError(kDeviceIoError, "BCryptGenRandom");
  }
#else
  static std::random_device device;
  bits = (static_cast<std::uint64_t>(device()) << 32) ^ device();
#endif
  return bits;
}
}  // namespace

double SystemRandomSource::Next() {
  // 53 random bits give every double of [0, 1) on the grid of 2^-53, uniformly.
  return static_cast<double>(RandomBits() >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace rt
