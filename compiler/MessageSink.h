// Receives the messages of a compile or a build: errors, warnings and the warning count.
#pragma once
#include <string>
#include <vector>

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void AddMessage(const std::string& text) = 0;
};

// The messages one after the other, each ending its line: a message without a line end of
// its own gets one, so that the next one starts on a line of its own.
inline std::string JoinedLines(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages) {
        text += message;
        if (!message.empty() && message.back() != '\n') text += '\n';
    }
    return text;
}
