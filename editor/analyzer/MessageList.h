// A message sink that keeps every message in order, for showing them together.
#pragma once
#include <string>
#include <vector>

#include "MessageSink.h"

class MessageList : public MessageSink {
public:
    void AddMessage(const std::string& text) override { messages_.push_back(text); }
    const std::vector<std::string>& Messages() const { return messages_; }
    // Every message, one after the other, each ending its line.
    std::string Joined() const { return JoinedLines(messages_); }

private:
    std::vector<std::string> messages_;
};
