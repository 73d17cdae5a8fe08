#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kiv {

// An error as the store reports it: a number in the platform's numbering and its description.
class Error : public std::runtime_error {
public:
    Error(int32_t number, std::string description);

    int32_t number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

    // Builds an error with the standard wording for one of the platform's numbers
    // (5, 6, 9, 13, 53, 61, 70, 75, 76).
    static Error standard(int32_t number);

private:
    int32_t number_;
    std::string description_;
};

namespace errors {
inline constexpr int32_t InvalidArgument = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t DiskFull = 61;
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t PathFileAccess = 75;
inline constexpr int32_t PathNotFound = 76;
// Base of the numbers a component defines for its own errors (0x80040000 read as int32).
inline constexpr int32_t ComponentBase = -2147221504;
} // namespace errors

} // namespace kiv
