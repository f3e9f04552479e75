#include "runtime/error.h"

namespace rt {

std::string DescribeError(int number) {
  switch (number) {
    case kInvalidProcedureCall:
      return "Invalid procedure call or argument";
    case kOverflow:
      return "Overflow";
    case 7:
      return "Out of memory";
    case kSubscriptOutOfRange:
      return "Subscript out of range";
    case 13:
      return "Type mismatch";
    case kBadFileNameOrNumber:
      return "Bad file name or number";
    case kFileNotFound:
      return "File not found";
    case kBadFileMode:
      return "Bad file mode";
    case kFileAlreadyOpen:
      return "File already open";
    case kDeviceIoError:
      return "Device I/O error";
    case kFileAlreadyExists:
      return "File already exists";
    case kDiskFull:
      return "Disk full";
    case kInputPastEndOfFile:
      return "Input past end of file";
    case kTooManyFiles:
      return "Too many files";
    case kDeviceUnavailable:
      return "Device unavailable";
    case kPermissionDenied:
      return "Permission denied";
    case kDiskNotReady:
      return "Disk not ready";
    case kPathFileAccessError:
      return "Path/File access error";
    case kPathNotFound:
      return "Path not found";
    default:
      return "Application-defined or object-defined error";
  }
}

RuntimeError::RuntimeError(int number)
    : std::runtime_error(DescribeError(number)),
      number_(number),
      description_(DescribeError(number)) {}

RuntimeError::RuntimeError(int number, const std::string& detail)
    : std::runtime_error(DescribeError(number) + ": " + detail),
      number_(number),
      description_(DescribeError(number)) {}

}  // namespace rt
