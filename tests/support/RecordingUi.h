#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Sleeper.h"
#include "platform/UiHooks.h"

// Records, in order, what a user would have seen and how long the program would have waited:
// "box <caption>|<text>|<flags>", "dialog <owner>|<text>" and "sleep <ms>".
class RecordingUi : public IUiHooks, public ISleeper {
public:
    std::vector<std::string> events;
    std::map<unsigned, std::string> strings;
    int pumps = 0;

    int MessageBox(OwnerWindow, const std::string& text, const std::string& caption,
                   unsigned flags) override {
        events.push_back("box " + caption + "|" + text + "|" + std::to_string(flags));
        return 1;
    }
    void ShowMessage(OwnerWindow owner, const std::string& text) override {
        events.push_back("dialog " + std::to_string(owner) + "|" + text);
    }
    std::string LoadString(unsigned id) override {
        auto it = strings.find(id);
        return it == strings.end() ? std::string() : it->second;
    }
    void PumpMessages() override { ++pumps; }
    void Sleep(unsigned ms) override { events.push_back("sleep " + std::to_string(ms)); }
};
