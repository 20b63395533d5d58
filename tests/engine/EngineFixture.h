// SPDX-License-Identifier: MIT
// A table for engine tests: the real computer players, a scripted host and an
// in-memory store, with the go-on-for-16 answers under the test's control.
#pragma once

#include "base/SettingsStore.h"
#include "players/CFudaDashi.h"
#include "support/TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace tesseran::testing {

class ScriptedView : public CFudaDashi {
public:
    using CFudaDashi::CFudaDashi;
    // When set, the answer of both go-on decisions; otherwise the real rule.
    std::optional<int> goOn;
    int goOnCalls = 0;

    int ContinueForSixteen() override {
        ++goOnCalls;
        return goOn ? *goOn : CFudaDashi::ContinueForSixteen();
    }
    int ContinueForReverseSixteen() override {
        ++goOnCalls;
        return goOn ? *goOn : CFudaDashi::ContinueForReverseSixteen();
    }
};

struct Table {
    TestHost host;
    MemorySettingsStore store;
    ScriptedView view{host, store};

    // Gives a seat exactly these cards (sorted), leaving the other seats alone.
    void GiveHand(int seat, std::initializer_list<int> cards) {
        std::vector<int> sorted(cards);
        std::sort(sorted.begin(), sorted.end());
        view.hand[seat].fill(0);
        std::copy(sorted.begin(), sorted.end(), view.hand[seat].begin());
        view.handCount[seat] = static_cast<int>(sorted.size());
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& shown : host.messages) texts.push_back(shown.text);
        return texts;
    }
};

}  // namespace tesseran::testing
