#pragma once

#include "UserInterface.h"

#include <vector>

namespace kwtest {

// Records the message boxes shown while it lives, instead of showing them,
// and answers each with the same button.
class MessageBoxRecorder
{
public:
    explicit MessageBoxRecorder(int answer = IDOK)
    {
        setMessageBoxHook([this, answer](const MessageBoxRequest& request) {
            shown.push_back(request);
            return answer;
        });
    }
    ~MessageBoxRecorder() { setMessageBoxHook(nullptr); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxRequest> shown;
};

} // namespace kwtest
