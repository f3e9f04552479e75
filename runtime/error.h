#pragma once
// Failures of the platform and of the programs' own logic, numbered as Windows programs
// of this family report them (53 File not found, 71 Disk not ready, ...).

#include <stdexcept>
#include <string>

namespace rt {

enum ErrorNumber : int {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kBadFileNameOrNumber = 52,
  kFileNotFound = 53,
  kBadFileMode = 54,
  kFileAlreadyOpen = 55,
  kDeviceIoError = 57,
  kFileAlreadyExists = 58,
  kDiskFull = 61,
  kInputPastEndOfFile = 62,
  kTooManyFiles = 67,
  kDeviceUnavailable = 68,
  kPermissionDenied = 70,
  kDiskNotReady = 71,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
};

// The standard description of an error number ("File not found" for 53).
std::string DescribeError(int number);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int number);
  RuntimeError(int number, const std::string& detail);

  int number() const { return number_; }
  // The standard description, without any detail.
  const std::string& description() const { return description_; }

 private:
  int number_;
  std::string description_;
};

}  // namespace rt
