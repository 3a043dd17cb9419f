// A message sink that keeps every message of a compile or a build, in arrival order, for
// the caller to show together.
#pragma once
#include <string>
#include <vector>

#include "MessageSink.h"

class MessageCollector : public MessageSink {
public:
    void AddMessage(const std::string& text) override { messages.push_back(text); }

    std::vector<std::string> messages;
};
