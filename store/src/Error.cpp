#include <kiv/Error.h>

#include <utility>

namespace kiv {

Error::Error(int32_t number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

Error Error::standard(int32_t number) {
    switch (number) {
    case errors::InvalidArgument:
        return Error(number, "Invalid procedure call or argument");
    case errors::Overflow:
        return Error(number, "Overflow");
    case errors::SubscriptOutOfRange:
        return Error(number, "Subscript out of range");
    case errors::TypeMismatch:
        return Error(number, "Type mismatch");
    case errors::FileNotFound:
        return Error(number, "File not found");
    case errors::DiskFull:
        return Error(number, "Disk full");
    case errors::PermissionDenied:
        return Error(number, "Permission denied");
    case errors::PathFileAccess:
        return Error(number, "Path/File access error");
    case errors::PathNotFound:
        return Error(number, "Path not found");
    default:
        return Error(number, "Application-defined or object-defined error");
    }
}

} // namespace kiv
