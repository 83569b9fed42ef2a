#pragma once

#include "app/CVrxQuorlink2ndApp.h"

#include <vector>

// The application's language choice for tests: a current index, and every switch asked for.
class FakeLanguageSelection : public ILanguageSelection {
public:
    explicit FakeLanguageSelection(int current = 0) : current(current) {}
    int CurrentLanguage() const override { return current; }
    void SetLanguageResource(int index) override {
        switches.push_back(index);
        current = index;
    }
    int current;
    std::vector<int> switches;
};
