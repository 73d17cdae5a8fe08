#pragma once

#include <string>

#include <windows.h>

#include <oaidl.h>

namespace kiv::win {

// Live objects and server locks (LockServer and class factory references); the DLL may be
// unloaded only when both are zero.
void objectCreated();
void objectDestroyed();
void lockServer();
void unlockServer();
bool canUnload();

// The DLL's own file, as registered and as the place of its type library.
HMODULE module();
std::wstring modulePath();

// The type information of the automation interface, loaded once from the embedded type
// library; the caller owns the returned reference.
HRESULT interfaceTypeInfo(ITypeInfo** info);
void releaseTypeInfo();

HRESULT createConfigFile(REFIID iid, void** object);

} // namespace kiv::win
