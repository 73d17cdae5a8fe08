// A compiled client of kiv.dll: it loads the DLL by path to ask its entry points directly, then
// creates the class by its ProgID through the registry and calls the dual interface's methods
// (early binding), reading failures through IErrorInfo and through IDispatch's EXCEPINFO.
// Argument: the path of kiv.dll as registered. Exits with the number of failed checks.
#include <initguid.h>

#include "KivTypes.h"

#include <cguid.h>

#include <cstdio>
#include <string>

namespace {

int checks = 0;
int failures = 0;

void check(const char* name, bool ok) {
    ++checks;
    if (!ok) {
        ++failures;
        std::printf("FAIL %s\n", name);
    }
}

std::wstring text(BSTR value) {
    return value ? std::wstring(value, SysStringLen(value)) : std::wstring();
}

// A BSTR that frees itself.
class Text {
public:
    explicit Text(const wchar_t* value) : value_(SysAllocString(value)) {}
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text() { SysFreeString(value_); }
    operator BSTR() const { return value_; }

private:
    BSTR value_;
};

using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

void checkEntryPoints(const wchar_t* dllPath) {
    HMODULE dll = LoadLibraryW(dllPath);
    check("kiv.dll loads", dll != nullptr);
    if (!dll)
        return;
    const auto canUnload = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")));
    const auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
    check("DllRegisterServer is exported by name", GetProcAddress(dll, "DllRegisterServer"));
    check("DllUnregisterServer is exported by name", GetProcAddress(dll, "DllUnregisterServer"));
    check("DllCanUnloadNow and DllGetClassObject are exported by name",
          canUnload && getClassObject);
    if (!canUnload || !getClassObject)
        return;

    check("unloadable with nothing alive", canUnload() == S_OK);
    IClassFactory* factory = nullptr;
    check("DllGetClassObject gives the factory",
          getClassObject(CLSID_ConfigFile, IID_IClassFactory, reinterpret_cast<void**>(&factory)) ==
              S_OK);
    IUnknown* unknown = nullptr;
    check("DllGetClassObject refuses another class",
          getClassObject(IID_IConfigFile, IID_IClassFactory, reinterpret_cast<void**>(&unknown)) ==
              CLASS_E_CLASSNOTAVAILABLE);
    if (!factory)
        return;
    check("a held factory keeps the DLL", canUnload() == S_FALSE);
    IConfigFile* store = nullptr;
    check("the factory creates a store",
          factory->CreateInstance(nullptr, IID_IConfigFile, reinterpret_cast<void**>(&store)) ==
              S_OK);
    check("no aggregation",
          factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_IUnknown,
                                  reinterpret_cast<void**>(&unknown)) == CLASS_E_NOAGGREGATION);
    factory->LockServer(TRUE);
    factory->Release();
    check("a live store keeps the DLL", canUnload() == S_FALSE);
    if (store)
        store->Release();
    check("a server lock keeps the DLL", canUnload() == S_FALSE);
    // The factory lives as long as the DLL, so unlocking through it after its release is sound.
    factory->LockServer(FALSE);
    check("unloadable again once all is released", canUnload() == S_OK);
}

void checkEarlyBinding() {
    CLSID clsid{};
    check("the ProgID names the class",
          CLSIDFromProgID(L"Kiv.ConfigFile", &clsid) == S_OK && clsid == CLSID_ConfigFile);
    IConfigFile* store = nullptr;
    check("CoCreateInstance by the registered class",
          CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IConfigFile,
                           reinterpret_cast<void**>(&store)) == S_OK);
    if (!store)
        return;

    const Text key(L"Caf\u00E9");
    const Text value(L"\u20AC 5");
    const Text empty(L"");
    check("WriteValue", store->WriteValue(key, value) == S_OK);
    BSTR got = nullptr;
    check("GetValue", store->GetValue(key, empty, &got) == S_OK && text(got) == L"\u20AC 5");
    SysFreeString(got);
    got = nullptr;
    const Text missing(L"missing");
    const Text fallback(L"fallback");
    check("GetValue with a default",
          store->GetValue(missing, fallback, &got) == S_OK && text(got) == L"fallback");
    SysFreeString(got);

    ISupportErrorInfo* supports = nullptr;
    check("ISupportErrorInfo", store->QueryInterface(IID_ISupportErrorInfo,
                                                     reinterpret_cast<void**>(&supports)) == S_OK &&
                                   supports->InterfaceSupportsErrorInfo(IID_IConfigFile) == S_OK);
    if (supports)
        supports->Release();

    const Text noSet(L"NoSuchSet");
    check("a failed method returns the automation code of error 13",
          store->SetCountAdd(noSet) == static_cast<HRESULT>(0x800A000D));
    IErrorInfo* info = nullptr;
    check("the failure is described through IErrorInfo", GetErrorInfo(0, &info) == S_OK && info);
    if (info) {
        BSTR description = nullptr;
        BSTR source = nullptr;
        info->GetDescription(&description);
        info->GetSource(&source);
        check("IErrorInfo description", text(description) == L"Type mismatch");
        check("IErrorInfo source", text(source) == L"Kiv.ConfigFile");
        SysFreeString(description);
        SysFreeString(source);
        info->Release();
    }

    // Late binding on the same object: DISP_E_EXCEPTION with the error in EXCEPINFO.
    LPOLESTR name = const_cast<LPOLESTR>(L"SetCountAdd");
    DISPID id = 0;
    check("GetIDsOfNames", store->GetIDsOfNames(IID_NULL, &name, 1, 0, &id) == S_OK && id == 14);
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_BSTR;
    V_BSTR(&argument) = SysAllocString(L"NoSuchSet");
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    EXCEPINFO exception{};
    check("Invoke reports DISP_E_EXCEPTION",
          store->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr, &exception,
                        nullptr) == DISP_E_EXCEPTION);
    check("EXCEPINFO code", exception.scode == static_cast<HRESULT>(0x800A000D));
    check("EXCEPINFO description", text(exception.bstrDescription) == L"Type mismatch");
    check("EXCEPINFO source", text(exception.bstrSource) == L"Kiv.ConfigFile");
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrHelpFile);
    VariantClear(&argument);

    store->Release();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: kiv_client_test PATH-OF-kiv.dll\n");
        return 100;
    }
    wchar_t dllPath[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, dllPath, MAX_PATH);
    CoInitialize(nullptr);
    checkEntryPoints(dllPath);
    checkEarlyBinding();
    CoUninitialize();
    std::printf("kiv.dll from a compiled client: %d checks, %d failing\n", checks, failures);
    return failures;
}
