#pragma once

#include <kiv/Error.h>

#include <cstdint>
#include <memory>
#include <string>

namespace kiv {

// Anything a set can be listed into (see ConfigFile::Set2List).
class ListSink {
public:
    virtual ~ListSink() = default;
    virtual void AddItem(const std::string& text) = 0;
};

// A keyed text store: an ordered table of (key name, key value) slots.
// Text is UTF-8 in memory; store files are Windows-1252. Failures throw kiv::Error.
class ConfigFile {
public:
    static constexpr int32_t Capacity = 262144;
    static inline const std::string NotFound = "[NOT FOUND]";

    ConfigFile();
    ~ConfigFile();
    ConfigFile(ConfigFile&&) noexcept;
    ConfigFile& operator=(ConfigFile&&) noexcept;
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;
    void swap(ConfigFile& other) noexcept;

    void ConfigSave(const std::string& FileName) const;
    void ConfigLoad(const std::string& FileName);
    std::string GetValue(const std::string& KeyName, const std::string& DefValue = "") const;
    std::string GetName(const std::string& KeyValue) const;
    void WriteValue(const std::string& KeyName, const std::string& KeyValue);
    void DelKey(const std::string& KeyName);
    void DelAll();
    void SetItemUp(const std::string& KeyName, int32_t Pos);
    void SetItemDown(const std::string& KeyName, int32_t Pos);
    void SetItemDel(const std::string& SetName, const std::string& KeyName, int32_t Pos);
    void SetItemAdd(const std::string& SetName, const std::string& KeyName,
                    const std::string& KeyValue);
    void SetItemEdit(const std::string& KeyName, int32_t Pos, const std::string& KeyValue);
    void SetCountSub(const std::string& SetName);
    void SetCountAdd(const std::string& SetName);
    std::string GetAll() const;
    int32_t SetCheckDup(const std::string& SetName, const std::string& KeyName,
                        const std::string& CheckString, bool UseCaps = false) const;
    void SetSplit(const std::string& SetName, const std::string& KeyName, const std::string& Text,
                  int16_t Length);
    std::string SetJoin(const std::string& SetName, const std::string& KeyName) const;
    void SetCopy(const std::string& OldSetName, const std::string& OldKeyName,
                 const std::string& NewSetName, const std::string& NewKeyName);
    void SetDel(const std::string& SetName, const std::string& KeyName);
    void Set2List(ListSink& lst, const std::string& SetName, const std::string& KeyName,
                  const std::string& EqualReplace = "") const;
    void WriteAll(const std::string& NewConfig);
    void WriteValueNoCheck(const std::string& KeyName, const std::string& KeyValue);

    // Highest slot index that may hold an entry; -1 when the store is empty.
    int32_t LastSlot() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kiv
