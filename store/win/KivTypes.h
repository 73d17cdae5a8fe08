#pragma once

// The interface, class and library identities as the type library declares them (generated
// from Kiv.idl at build time).
#include <windows.h>

#include <oaidl.h>
#include <ocidl.h>

// The generated C++ declarations give optional texts a wide string literal as default argument.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wwrite-strings"
#include "Kiv_h.h"
#pragma GCC diagnostic pop
