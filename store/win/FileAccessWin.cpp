// The Windows build's file layer: the same contract as the POSIX one (FileAccess.h), on the
// Win32 file API, with paths taken as UTF-8 and opened through their UTF-16 form.
#include "FileAccess.h"
#include "WideText.h"

#include <kiv/Error.h>

#include <algorithm>
#include <utility>

#include <windows.h>

namespace kiv::file {

namespace {

constexpr DWORD NoAttributes = INVALID_FILE_ATTRIBUTES;

Error errorFor(DWORD err) {
    switch (err) {
    case ERROR_FILE_NOT_FOUND:
        return Error::standard(errors::FileNotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return Error::standard(errors::PathNotFound);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return Error::standard(errors::PermissionDenied);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return Error::standard(errors::DiskFull);
    default:
        return Error::standard(errors::PathFileAccess);
    }
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

} // namespace

std::string readAll(const std::string& path) {
    if (path.empty())
        throw Error::standard(errors::PathFileAccess);
    const std::wstring wide = win::toWide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != NoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw Error::standard(errors::PathFileAccess);
    Handle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        throw errorFor(GetLastError());
    std::string bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size))
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr))
            throw errorFor(GetLastError());
        if (got == 0)
            break;
        bytes.append(chunk, got);
    }
    return bytes;
}

// As on POSIX, the bytes go to a file beside the target that then takes its place, so a failed
// write never leaves a torn file behind.
void replaceWith(const std::string& path, std::string_view bytes) {
    if (path.empty())
        throw Error::standard(errors::PathFileAccess);
    const std::wstring target = win::toWide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != NoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw Error::standard(errors::PathFileAccess);
    if (attributes != NoAttributes && (attributes & FILE_ATTRIBUTE_READONLY))
        throw Error::standard(errors::PermissionDenied); // a read-only file stays as it is

    static LONG counter = 0;
    std::wstring tempName;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (;;) {
        tempName = target + L".~kiv" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(InterlockedIncrement(&counter)) + L".tmp";
        created = CreateFileW(tempName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created != INVALID_HANDLE_VALUE)
            break;
        const DWORD err = GetLastError();
        if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS)
            throw errorFor(err);
    }
    Handle temp(created);
    const auto fail = [&](const Error& error) {
        temp.close();
        DeleteFileW(tempName.c_str());
        return error;
    };
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(temp.get(), bytes.data(), chunk, &written, nullptr))
            throw fail(errorFor(GetLastError()));
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(temp.get()) || !temp.close())
        throw fail(errorFor(GetLastError()));
    if (!MoveFileExW(tempName.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw fail(errorFor(GetLastError()));
    if (attributes != NoAttributes)
        SetFileAttributesW(target.c_str(), attributes);
}

} // namespace kiv::file
