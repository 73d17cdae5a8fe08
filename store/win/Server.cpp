// The in-process server: DLL entry points, the class factory, the object and lock counts that
// decide unloading, and self-registration under the ProgID Kiv.ConfigFile.
#include <initguid.h>

#include "KivTypes.h"
#include "Module.h"

#include <olectl.h>

#include <string>
#include <vector>

namespace kiv::win {

namespace {

HMODULE thisModule = nullptr;
LONG liveObjects = 0;
LONG serverLocks = 0;
ITypeInfo* cachedTypeInfo = nullptr;

constexpr const wchar_t* Description = L"Configuration File";
constexpr const wchar_t* ProgId = L"Kiv.ConfigFile.1";
constexpr const wchar_t* IndependentProgId = L"Kiv.ConfigFile";
constexpr WORD LibraryMajor = 1;
constexpr WORD LibraryMinor = 0;

std::wstring guidText(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

HRESULT loadTypeLibrary(ITypeLib** library) {
    return LoadTypeLibEx(modulePath().c_str(), REGKIND_NONE, library);
}

class ClassFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    // The factory lives as long as the DLL; a reference held by a client counts as a lock.
    ULONG STDMETHODCALLTYPE AddRef() override {
        lockServer();
        return 2;
    }
    ULONG STDMETHODCALLTYPE Release() override {
        unlockServer();
        return 1;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return createConfigFile(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock)
            lockServer();
        else
            unlockServer();
        return S_OK;
    }
};

ClassFactory factory;

// One registry value: the key below HKEY_CLASSES_ROOT, the value name (nullptr for the default
// value) and its text.
struct Entry {
    std::wstring key;
    const wchar_t* name;
    std::wstring value;
};

std::vector<Entry> registryEntries() {
    const std::wstring clsidKey = L"CLSID\\" + guidText(CLSID_ConfigFile);
    const std::wstring clsid = guidText(CLSID_ConfigFile);
    const std::wstring independent = IndependentProgId;
    const std::wstring versioned = ProgId;
    return {
        {clsidKey, nullptr, Description},
        {clsidKey + L"\\InprocServer32", nullptr, modulePath()},
        {clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {clsidKey + L"\\ProgID", nullptr, versioned},
        {clsidKey + L"\\VersionIndependentProgID", nullptr, independent},
        {clsidKey + L"\\TypeLib", nullptr, guidText(LIBID_Kiv)},
        {clsidKey + L"\\Version", nullptr, L"1.0"},
        {clsidKey + L"\\Programmable", nullptr, L""},
        {independent, nullptr, Description},
        {independent + L"\\CLSID", nullptr, clsid},
        {independent + L"\\CurVer", nullptr, versioned},
        {versioned, nullptr, Description},
        {versioned + L"\\CLSID", nullptr, clsid},
    };
}

// The keys registration creates at the top; removing them removes everything it wrote except
// the type library's keys, which the type library functions own.
std::vector<std::wstring> registryRoots() {
    return {L"CLSID\\" + guidText(CLSID_ConfigFile), IndependentProgId, ProgId};
}

HRESULT writeEntry(const Entry& entry) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(HKEY_CLASSES_ROOT, entry.key.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(status);
    status = RegSetValueExW(key, entry.name, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(entry.value.c_str()),
                            static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return HRESULT_FROM_WIN32(status);
}

HRESULT unregister() {
    HRESULT result = S_OK;
    for (const std::wstring& root : registryRoots()) {
        const LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, root.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
            result = SELFREG_E_CLASS;
    }
    const HRESULT library =
        UnRegisterTypeLib(LIBID_Kiv, LibraryMajor, LibraryMinor, LOCALE_NEUTRAL, SYS_WIN64);
    if (FAILED(library) && library != TYPE_E_REGISTRYACCESS &&
        library != HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) && library != TYPE_E_LIBNOTREGISTERED)
        result = SELFREG_E_TYPELIB;
    return result;
}

} // namespace

void objectCreated() {
    InterlockedIncrement(&liveObjects);
}
void objectDestroyed() {
    InterlockedDecrement(&liveObjects);
}
void lockServer() {
    InterlockedIncrement(&serverLocks);
}
void unlockServer() {
    InterlockedDecrement(&serverLocks);
}
bool canUnload() {
    return InterlockedCompareExchange(&liveObjects, 0, 0) == 0 &&
           InterlockedCompareExchange(&serverLocks, 0, 0) == 0;
}

HMODULE module() {
    return thisModule;
}

std::wstring modulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(thisModule, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

HRESULT interfaceTypeInfo(ITypeInfo** info) {
    *info = nullptr;
    ITypeInfo* cached = static_cast<ITypeInfo*>(InterlockedCompareExchangePointer(
        reinterpret_cast<void**>(&cachedTypeInfo), nullptr, nullptr));
    if (!cached) {
        ITypeLib* library = nullptr;
        HRESULT hr = loadTypeLibrary(&library);
        if (FAILED(hr))
            return hr;
        hr = library->GetTypeInfoOfGuid(IID_IConfigFile, &cached);
        library->Release();
        if (FAILED(hr))
            return hr;
        // Another apartment may have loaded it at the same time; keep the first one.
        if (InterlockedCompareExchangePointer(reinterpret_cast<void**>(&cachedTypeInfo), cached,
                                              nullptr) != nullptr) {
            cached->Release();
            cached = cachedTypeInfo;
        }
    }
    cached->AddRef();
    *info = cached;
    return S_OK;
}

void releaseTypeInfo() {
    if (ITypeInfo* cached = static_cast<ITypeInfo*>(
            InterlockedExchangePointer(reinterpret_cast<void**>(&cachedTypeInfo), nullptr)))
        cached->Release();
}

} // namespace kiv::win

using namespace kiv::win;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        thisModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (clsid != CLSID_ConfigFile)
        return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() {
    if (!canUnload())
        return S_FALSE;
    releaseTypeInfo();
    return S_OK;
}

STDAPI DllRegisterServer() {
    for (const Entry& entry : registryEntries()) {
        if (FAILED(writeEntry(entry))) {
            unregister();
            return SELFREG_E_CLASS;
        }
    }
    ITypeLib* library = nullptr;
    HRESULT hr = loadTypeLibrary(&library);
    if (SUCCEEDED(hr)) {
        std::wstring path = modulePath();
        hr = RegisterTypeLib(library, path.data(), nullptr);
        library->Release();
    }
    if (FAILED(hr)) {
        unregister();
        return SELFREG_E_TYPELIB;
    }
    return S_OK;
}

STDAPI DllUnregisterServer() {
    return unregister();
}
