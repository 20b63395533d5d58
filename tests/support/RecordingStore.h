// SPDX-License-Identifier: MIT
// A settings store that records every integer write and every commit in
// order, for tests of what is written together.
#pragma once

#include "base/SettingsStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace tesseran::testing {

class RecordingStore : public MemorySettingsStore {
public:
    void WriteInt(std::string_view section, std::string_view key, int value) override {
        MemorySettingsStore::WriteInt(section, key, value);
        log.push_back(std::string(section) + "/" + std::string(key) + "=" + std::to_string(value));
    }
    void Sync() override { log.push_back("sync"); }
    std::vector<std::string> log;
};

}  // namespace tesseran::testing
