#pragma once

#include "platform/Messages.h"

#include <string>
#include <vector>

namespace quarvex::testing {

// Records every message box and answers with a preset result.
class RecordingMessages : public Messages {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageResult answer = MessageResult::Ok;
    std::vector<Shown> shown;

    MessageResult Show(const std::string& text, MessageIcon icon, MessageButtons buttons) override {
        shown.push_back({text, icon, buttons});
        return answer;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : shown) {
            texts.push_back(box.text);
        }
        return texts;
    }
};

} // namespace quarvex::testing
