#include "MessageTarget.h"

MessageTarget::~MessageTarget() {
    if (owner_ && owner_->attached_ == this) owner_->Detach();
    if (attached_ && attached_->owner_ == this) attached_->owner_ = nullptr;
}

void MessageTarget::SetMessageHandler(UINT message, MessageHandlerBase* handler) {
    messages_[message].reset(handler);
}

void MessageTarget::SetCommandHandler(int id, CommandHandlerBase* handler) {
    commands_[id].reset(handler);
}

void MessageTarget::SetNotifyHandler(int code, NotifyHandlerBase* handler) {
    notifications_[code].reset(handler);
}

void MessageTarget::Attach(MessageTarget* other) {
    if (attached_ && attached_ != other) Detach();
    attached_ = other;
    if (other) other->owner_ = this;
}

void MessageTarget::Detach() {
    if (attached_) attached_->owner_ = nullptr;
    attached_ = nullptr;
}

int MessageTarget::DispatchMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (attached_) {
        const int answer = attached_->DispatchMessage(message, wParam, lParam, result);
        if (answer != kNotHandled) return answer;
    }
    auto found = messages_.find(message);
    if (found == messages_.end() || !found->second) return kNotHandled;
    return found->second->Invoke(wParam, lParam, result);
}

int MessageTarget::DispatchNotify(int code, NMHDR* header, LRESULT* result) {
    if (attached_) {
        const int answer = attached_->DispatchNotify(code, header, result);
        if (answer != kNotHandled) return answer;
    }
    auto found = notifications_.find(code);
    if (found == notifications_.end() || !found->second) return kNotHandled;
    return found->second->Invoke(header, result);
}

int MessageTarget::DispatchCommand(int id, int code) {
    if (attached_ && attached_->DispatchCommand(id, code)) return 1;
    auto found = commands_.find(id);
    if (found == commands_.end() || !found->second) return 0;
    found->second->Invoke(id, code);
    return 1;
}
