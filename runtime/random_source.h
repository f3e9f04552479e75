#pragma once

namespace rt {

// Numbers in [0, 1), uniformly distributed.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double Next() = 0;
};

// A RandomSource drawn from the operating system's cryptographic generator.
class SystemRandomSource : public RandomSource {
 public:
  double Next() override;
};

}  // namespace rt
