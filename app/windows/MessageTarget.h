// The base of every framework window: three maps (window message, command id,
// notification code) from key to an owned handler object, asked after an attached target.
#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>

#include "Handlers.h"

class MessageTarget {
public:
    MessageTarget() = default;
    MessageTarget(const MessageTarget&) = delete;
    MessageTarget& operator=(const MessageTarget&) = delete;
    virtual ~MessageTarget();

    // Insert, or replace the entry with the same key (the replaced handler is deleted).
    // The target owns the handler from then on.
    void SetMessageHandler(UINT message, MessageHandlerBase* handler);
    void SetCommandHandler(int id, CommandHandlerBase* handler);
    void SetNotifyHandler(int code, NotifyHandlerBase* handler);

    // Binding shortcuts that build the owner's handler object.
    template <class Owner>
    void BindMessage(UINT message, Owner* owner, typename MessageHandler<Owner>::Member member) {
        SetMessageHandler(message, new MessageHandler<Owner>(owner, member));
    }
    template <class Owner>
    void BindDecidingMessage(UINT message, Owner* owner,
                             typename DecidingMessageHandler<Owner>::Member member) {
        SetMessageHandler(message, new DecidingMessageHandler<Owner>(owner, member));
    }
    template <class Owner>
    void BindCommand(int id, Owner* owner, typename CommandHandler<Owner>::Member member) {
        SetCommandHandler(id, new CommandHandler<Owner>(owner, member));
    }
    template <class Owner>
    void BindNotify(int code, Owner* owner, typename NotifyHandler<Owner>::Member member) {
        SetNotifyHandler(code, new NotifyHandler<Owner>(owner, member));
    }

    // The other target is asked first for every key from now on; its owner becomes this.
    void Attach(MessageTarget* other);
    void Detach();
    MessageTarget* GetAttached() const { return attached_; }
    MessageTarget* GetOwner() const { return owner_; }

    // Three-valued answers (DispatchAnswer).
    int DispatchMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    int DispatchNotify(int code, NMHDR* header, LRESULT* result);
    // 1 when a handler ran, 0 otherwise.
    int DispatchCommand(int id, int code);
    // The WM_COMMAND entry.
    int OnCommand(int id, int code) { return DispatchCommand(id, code); }

private:
    MessageTarget* attached_ = nullptr;
    MessageTarget* owner_ = nullptr;
    std::map<uint32_t, std::unique_ptr<MessageHandlerBase>> messages_;
    std::map<int32_t, std::unique_ptr<CommandHandlerBase>> commands_;
    std::map<int32_t, std::unique_ptr<NotifyHandlerBase>> notifications_;
};
