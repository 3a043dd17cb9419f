// Receives the messages of a compile or a build: errors, warnings and the warning count.
#pragma once
#include <string>

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void AddMessage(const std::string& text) = 0;
};
