// The automation object: a kiv::ConfigFile behind the dual interface IConfigFile. Every member
// turns the store's kiv::Error into an automation error whose number a script sees as the
// store's number, and whose description and source arrive through IErrorInfo and EXCEPINFO.
#include "KivTypes.h"
#include "Module.h"
#include "WideText.h"

#include <kiv/ConfigFile.h>

#include <dispex.h>

#include <new>
#include <optional>
#include <string>

namespace kiv::win {

namespace {

constexpr const wchar_t* Source = L"Kiv.ConfigFile";
// IID_IDispatchEx, which MinGW-w64's uuid library lacks.
constexpr IID DispatchExId = {
    0xA6EF9860, 0xC720, 0x11D0, {0x93, 0x37, 0x00, 0xA0, 0xC9, 0x0D, 0xCA, 0xA9}};

// Numbers of the store's own range (the platform's small error numbers) travel in the facility
// that script hosts turn back into the small number; full codes travel as they are.
HRESULT hresultOf(int32_t number) {
    if (number > 0 && number <= 0xFFFF)
        return static_cast<HRESULT>(0x800A0000u | static_cast<uint32_t>(number));
    return static_cast<HRESULT>(number);
}

// The store's number of an automation failure: the small number back out of its facility.
int32_t numberOf(HRESULT code) {
    return (static_cast<uint32_t>(code) & 0xFFFF0000u) == 0x800A0000u
               ? static_cast<int32_t>(code & 0xFFFF)
               : static_cast<int32_t>(code);
}

// Reads a failure reported by an automation call made on our behalf back as a store error.
Error errorFromException(HRESULT hr, EXCEPINFO& info) {
    if (info.pfnDeferredFillIn)
        info.pfnDeferredFillIn(&info);
    HRESULT code = info.scode ? info.scode : hr;
    if (!info.scode && info.wCode)
        code = hresultOf(info.wCode);
    const int32_t number = numberOf(code);
    std::string description = info.bstrDescription ? toUtf8(info.bstrDescription) : "";
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    info = {};
    if (description.empty())
        return Error::standard(number);
    return Error(number, std::move(description));
}

// A list that Set2List fills: any automation object with an AddItem method taking one text.
class DispatchList : public ListSink {
public:
    explicit DispatchList(IDispatch* list) : list_(list) {
        if (!list_)
            throw Error(424, "Object required");
        // Some hosts read the name's length from a BSTR prefix, so it must be a real BSTR.
        BSTR name = SysAllocString(L"AddItem");
        if (!name)
            throw std::bad_alloc();
        HRESULT hr = list_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &addItem_);
        // Script objects answer by IDispatchEx, and not every host also answers GetIDsOfNames.
        IDispatchEx* extended = nullptr;
        if (FAILED(hr) &&
            SUCCEEDED(list_->QueryInterface(DispatchExId, reinterpret_cast<void**>(&extended)))) {
            hr = extended->GetDispID(name, fdexNameCaseInsensitive, &addItem_);
            extended->Release();
        }
        SysFreeString(name);
        if (FAILED(hr))
            throw Error(438, "Object doesn't support this property or method");
    }

    void AddItem(const std::string& text) override {
        VARIANT argument;
        VariantInit(&argument);
        V_VT(&argument) = VT_BSTR;
        V_BSTR(&argument) = toBstr(text);
        if (!V_BSTR(&argument))
            throw std::bad_alloc();
        DISPPARAMS parameters{&argument, nullptr, 1, 0};
        VARIANT result;
        VariantInit(&result);
        EXCEPINFO exception{};
        UINT badArgument = 0;
        const HRESULT hr = list_->Invoke(addItem_, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                         &parameters, &result, &exception, &badArgument);
        VariantClear(&argument);
        VariantClear(&result);
        if (hr == DISP_E_EXCEPTION)
            throw errorFromException(hr, exception);
        if (FAILED(hr)) {
            const int32_t number = numberOf(hr);
            throw number > 0 ? Error::standard(number) : Error(number, "The list's AddItem failed");
        }
    }

private:
    IDispatch* list_;
    DISPID addItem_ = DISPID_UNKNOWN;
};

class ConfigFileObject final : public IConfigFile, public ISupportErrorInfo {
public:
    ConfigFileObject() { objectCreated(); }
    ~ConfigFileObject() {
        if (typeInfo_)
            typeInfo_->Release();
        objectDestroyed();
    }
    ConfigFileObject(const ConfigFileObject&) = delete;
    ConfigFileObject& operator=(const ConfigFileObject&) = delete;

    HRESULT init() { return interfaceTypeInfo(&typeInfo_); }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IConfigFile)
            *object = static_cast<IConfigFile*>(this);
        else if (iid == IID_ISupportErrorInfo)
            *object = static_cast<ISupportErrorInfo*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
        return iid == IID_IConfigFile ? S_OK : S_FALSE;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info)
            return E_POINTER;
        *info = nullptr;
        if (index != 0)
            return DISP_E_BADINDEX;
        typeInfo_->AddRef();
        *info = typeInfo_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        if (iid != IID_NULL)
            return DISP_E_UNKNOWNINTERFACE;
        return DispGetIDsOfNames(typeInfo_, names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override {
        if (iid != IID_NULL)
            return DISP_E_UNKNOWNINTERFACE;
        lastError_.reset();
        HRESULT hr = typeInfo_->Invoke(static_cast<IConfigFile*>(this), id, flags, parameters,
                                       result, exception, badArgument);
        // The failure is described here rather than left to the type library's reading of
        // IErrorInfo, so that every automation host gets the same number, text and source.
        // A store error raised by a nested call (from a Set2List list) that was handled there
        // must not turn this call's success into a failure.
        if (FAILED(hr) && lastError_ && (hr == DISP_E_EXCEPTION || hr == lastError_->code)) {
            if (exception) {
                SysFreeString(exception->bstrSource);
                SysFreeString(exception->bstrDescription);
                SysFreeString(exception->bstrHelpFile);
                *exception = {};
                exception->scode = lastError_->code;
                exception->bstrSource = SysAllocString(Source);
                exception->bstrDescription = toBstr(lastError_->description);
            }
            hr = DISP_E_EXCEPTION;
        }
        return hr;
    }

    // IConfigFile
    HRESULT STDMETHODCALLTYPE ConfigSave(BSTR FileName) override {
        return run([&] { store_.ConfigSave(toUtf8(FileName)); });
    }
    HRESULT STDMETHODCALLTYPE ConfigLoad(BSTR FileName) override {
        return run([&] { store_.ConfigLoad(toUtf8(FileName)); });
    }
    HRESULT STDMETHODCALLTYPE GetValue(BSTR KeyName, BSTR DefValue, BSTR* Result) override {
        return text(Result, [&] { return store_.GetValue(toUtf8(KeyName), toUtf8(DefValue)); });
    }
    HRESULT STDMETHODCALLTYPE GetName(BSTR KeyValue, BSTR* Result) override {
        return text(Result, [&] { return store_.GetName(toUtf8(KeyValue)); });
    }
    HRESULT STDMETHODCALLTYPE WriteValue(BSTR KeyName, BSTR KeyValue) override {
        return run([&] { store_.WriteValue(toUtf8(KeyName), toUtf8(KeyValue)); });
    }
    HRESULT STDMETHODCALLTYPE DelKey(BSTR KeyName) override {
        return run([&] { store_.DelKey(toUtf8(KeyName)); });
    }
    HRESULT STDMETHODCALLTYPE DelAll() override {
        return run([&] { store_.DelAll(); });
    }
    HRESULT STDMETHODCALLTYPE SetItemUp(BSTR KeyName, LONG Pos) override {
        return run([&] { store_.SetItemUp(toUtf8(KeyName), Pos); });
    }
    HRESULT STDMETHODCALLTYPE SetItemDown(BSTR KeyName, LONG Pos) override {
        return run([&] { store_.SetItemDown(toUtf8(KeyName), Pos); });
    }
    HRESULT STDMETHODCALLTYPE SetItemDel(BSTR SetName, BSTR KeyName, LONG Pos) override {
        return run([&] { store_.SetItemDel(toUtf8(SetName), toUtf8(KeyName), Pos); });
    }
    HRESULT STDMETHODCALLTYPE SetItemAdd(BSTR SetName, BSTR KeyName, BSTR KeyValue) override {
        return run([&] { store_.SetItemAdd(toUtf8(SetName), toUtf8(KeyName), toUtf8(KeyValue)); });
    }
    HRESULT STDMETHODCALLTYPE SetItemEdit(BSTR KeyName, LONG Pos, BSTR KeyValue) override {
        return run([&] { store_.SetItemEdit(toUtf8(KeyName), Pos, toUtf8(KeyValue)); });
    }
    HRESULT STDMETHODCALLTYPE SetCountSub(BSTR SetName) override {
        return run([&] { store_.SetCountSub(toUtf8(SetName)); });
    }
    HRESULT STDMETHODCALLTYPE SetCountAdd(BSTR SetName) override {
        return run([&] { store_.SetCountAdd(toUtf8(SetName)); });
    }
    HRESULT STDMETHODCALLTYPE GetAll(BSTR* Result) override {
        return text(Result, [&] { return store_.GetAll(); });
    }
    HRESULT STDMETHODCALLTYPE SetCheckDup(BSTR SetName, BSTR KeyName, BSTR CheckString,
                                          VARIANT_BOOL UseCaps, LONG* Result) override {
        if (!Result)
            return E_POINTER;
        *Result = 0;
        return run([&] {
            *Result = store_.SetCheckDup(toUtf8(SetName), toUtf8(KeyName), toUtf8(CheckString),
                                         UseCaps != VARIANT_FALSE);
        });
    }
    HRESULT STDMETHODCALLTYPE SetSplit(BSTR SetName, BSTR KeyName, BSTR Text,
                                       SHORT Length) override {
        return run(
            [&] { store_.SetSplit(toUtf8(SetName), toUtf8(KeyName), toUtf8(Text), Length); });
    }
    HRESULT STDMETHODCALLTYPE SetJoin(BSTR SetName, BSTR KeyName, BSTR* Result) override {
        return text(Result, [&] { return store_.SetJoin(toUtf8(SetName), toUtf8(KeyName)); });
    }
    HRESULT STDMETHODCALLTYPE SetCopy(BSTR OldSetName, BSTR OldKeyName, BSTR NewSetName,
                                      BSTR NewKeyName) override {
        return run([&] {
            store_.SetCopy(toUtf8(OldSetName), toUtf8(OldKeyName), toUtf8(NewSetName),
                           toUtf8(NewKeyName));
        });
    }
    HRESULT STDMETHODCALLTYPE SetDel(BSTR SetName, BSTR KeyName) override {
        return run([&] { store_.SetDel(toUtf8(SetName), toUtf8(KeyName)); });
    }
    HRESULT STDMETHODCALLTYPE Set2List(IDispatch* lst, BSTR SetName, BSTR KeyName,
                                       BSTR EqualReplace) override {
        return run([&] {
            DispatchList list(lst);
            store_.Set2List(list, toUtf8(SetName), toUtf8(KeyName), toUtf8(EqualReplace));
        });
    }
    HRESULT STDMETHODCALLTYPE WriteAll(BSTR NewConfig) override {
        return run([&] { store_.WriteAll(toUtf8(NewConfig)); });
    }
    HRESULT STDMETHODCALLTYPE WriteValueNoCheck(BSTR KeyName, BSTR KeyValue) override {
        return run([&] { store_.WriteValueNoCheck(toUtf8(KeyName), toUtf8(KeyValue)); });
    }

private:
    struct Failure {
        HRESULT code;
        std::string description;
    };

    template <typename Action> HRESULT run(Action action) {
        try {
            action();
            return S_OK;
        } catch (const Error& error) {
            return raise(error.number(), error.description());
        } catch (const std::bad_alloc&) {
            return raise(7, "Out of memory");
        } catch (...) {
            return raise(51, "Internal error");
        }
    }

    template <typename Produce> HRESULT text(BSTR* result, Produce produce) {
        if (!result)
            return E_POINTER;
        *result = nullptr;
        return run([&] {
            BSTR value = toBstr(produce());
            if (!value)
                throw std::bad_alloc();
            *result = value;
        });
    }

    // Records the failure for IDispatch callers and publishes it through IErrorInfo for
    // callers of the interface itself.
    HRESULT raise(int32_t number, const std::string& description) {
        const HRESULT code = hresultOf(number);
        lastError_ = Failure{code, description};
        ICreateErrorInfo* create = nullptr;
        if (SUCCEEDED(CreateErrorInfo(&create))) {
            const std::wstring wide = toWide(description);
            create->SetGUID(IID_IConfigFile);
            create->SetSource(const_cast<LPOLESTR>(Source));
            create->SetDescription(const_cast<LPOLESTR>(wide.c_str()));
            IErrorInfo* info = nullptr;
            if (SUCCEEDED(
                    create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
                SetErrorInfo(0, info);
                info->Release();
            }
            create->Release();
        }
        return code;
    }

    LONG references_ = 1;
    ITypeInfo* typeInfo_ = nullptr;
    kiv::ConfigFile store_;
    std::optional<Failure> lastError_;
};

} // namespace

HRESULT createConfigFile(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    ConfigFileObject* created = new (std::nothrow) ConfigFileObject();
    if (!created)
        return E_OUTOFMEMORY;
    HRESULT hr = created->init();
    if (SUCCEEDED(hr))
        hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
}

} // namespace kiv::win
