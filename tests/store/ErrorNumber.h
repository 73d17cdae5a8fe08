#pragma once

#include <kiv/Error.h>

#include <functional>

// The number of the kiv::Error that `action` throws, or 0 when it throws none.
inline int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const kiv::Error& error) {
        return error.number();
    }
    return 0;
}
