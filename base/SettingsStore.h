// SPDX-License-Identifier: MIT
// Integer and string values per section and key, read with a default and
// written at once. The window keeps them in QSettings; tests and the simulator
// keep them in memory.
#pragma once

#include "base/SettingsKeys.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace tesseran {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int ReadInt(std::string_view section, std::string_view key, int defaultValue) = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) = 0;
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
    // Commits what was written so far in one step (values that belong together
    // are written one after the other, then committed).
    virtual void Sync() {}

    // The values of SettingsKeys.h, each with its own default.
    int Read(const IntSetting& setting) {
        const int value = ReadInt(setting.section, setting.key, setting.defaultValue);
        if (setting.accepts == nullptr || setting.accepts(value)) return value;
        WriteInt(setting.section, setting.key, setting.defaultValue);
        return setting.defaultValue;
    }
    void Write(const IntSetting& setting, int value) { WriteInt(setting.section, setting.key, value); }
    std::string Read(const TextSetting& setting) {
        return ReadString(setting.section, setting.key, setting.defaultValue);
    }
    void Write(const TextSetting& setting, std::string_view value) {
        WriteString(setting.section, setting.key, value);
    }
};

class MemorySettingsStore : public SettingsStore {
public:
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) override {
        auto it = ints_.find(Key(section, key));
        return it == ints_.end() ? defaultValue : it->second;
    }
    void WriteInt(std::string_view section, std::string_view key, int value) override {
        ints_[Key(section, key)] = value;
        ++writes_;
    }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override {
        auto it = strings_.find(Key(section, key));
        return it == strings_.end() ? std::string(defaultValue) : it->second;
    }
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override {
        strings_[Key(section, key)] = std::string(value);
        ++writes_;
    }
    bool Contains(std::string_view section, std::string_view key) const {
        auto k = Key(section, key);
        return ints_.count(k) != 0 || strings_.count(k) != 0;
    }
    // How many writes the store has seen, so tests can tell that nothing was written.
    int WriteCount() const { return writes_; }

private:
    // Section and key as one string (a line break cannot be part of either):
    // short enough to need no allocation for most keys, and hashed, since a
    // simulated match reads and writes the campaign's entries by the hundred.
    using StoreKey = std::string;
    static StoreKey Key(std::string_view section, std::string_view key) {
        StoreKey joined;
        joined.reserve(section.size() + 1 + key.size());
        joined.append(section).append(1, '\n').append(key);
        return joined;
    }
    std::unordered_map<StoreKey, int> ints_;
    std::unordered_map<StoreKey, std::string> strings_;
    int writes_ = 0;
};

}  // namespace tesseran
