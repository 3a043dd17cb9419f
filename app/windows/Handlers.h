// Handler objects: each pairs an owner with one of its member functions and is invoked
// when its key (a window message, a command id or a notification code) arrives.
#pragma once
#include <windows.h>
#include <commctrl.h>

// The answer of a message or notification handler.
enum DispatchAnswer {
    kHandled = 0,             // the result slot holds the procedure's result
    kHandledWithDefault = 1,  // handled, and the default processing runs as well
    kNotHandled = 2,          // goes on to the previous window procedure
};

class HandlerBase {
public:
    virtual ~HandlerBase() = default;
};

class CommandHandlerBase : public HandlerBase {
public:
    virtual void Invoke(int id, int code) = 0;
};

class MessageHandlerBase : public HandlerBase {
public:
    virtual int Invoke(WPARAM wParam, LPARAM lParam, LRESULT* result) = 0;
};

class NotifyHandlerBase : public HandlerBase {
public:
    virtual int Invoke(NMHDR* header, LRESULT* result) = 0;
};

// Calls the member with the command id and the notification code.
template <class Owner>
class CommandHandler : public CommandHandlerBase {
public:
    using Member = void (Owner::*)(int id, int code);
    CommandHandler(Owner* owner, Member member) : owner_(owner), member_(member) {}
    void Invoke(int id, int code) override { (owner_->*member_)(id, code); }

private:
    Owner* owner_;
    Member member_;
};

// Calls the member with wParam and lParam; its return value is the message's result.
template <class Owner>
class MessageHandler : public MessageHandlerBase {
public:
    using Member = LRESULT (Owner::*)(WPARAM wParam, LPARAM lParam);
    MessageHandler(Owner* owner, Member member) : owner_(owner), member_(member) {}
    int Invoke(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        *result = (owner_->*member_)(wParam, lParam);
        return kHandled;
    }

private:
    Owner* owner_;
    Member member_;
};

// The member decides: it fills the result slot and answers handled, handled with the
// default processing, or not handled.
template <class Owner>
class DecidingMessageHandler : public MessageHandlerBase {
public:
    using Member = int (Owner::*)(WPARAM wParam, LPARAM lParam, LRESULT* result);
    DecidingMessageHandler(Owner* owner, Member member) : owner_(owner), member_(member) {}
    int Invoke(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        return (owner_->*member_)(wParam, lParam, result);
    }

private:
    Owner* owner_;
    Member member_;
};

// Receives the notification header and the result slot; answers as a message handler.
template <class Owner>
class NotifyHandler : public NotifyHandlerBase {
public:
    using Member = int (Owner::*)(NMHDR* header, LRESULT* result);
    NotifyHandler(Owner* owner, Member member) : owner_(owner), member_(member) {}
    int Invoke(NMHDR* header, LRESULT* result) override { return (owner_->*member_)(header, result); }

private:
    Owner* owner_;
    Member member_;
};
