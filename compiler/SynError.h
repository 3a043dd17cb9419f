// A syntax error in a machine script. The compile driver adds the line number and the
// line's text when it reports the message.
#pragma once
#include <string>
#include <utility>

class SynError {
public:
    explicit SynError(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};
