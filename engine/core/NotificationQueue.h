// Notifications raised during a frame (a sequence reaching its end, a sprite destroyed,
// a mixer event) wait here and reach the host after the frame has released the painting
// mutex: as a call, a posted message, or an event set or pulsed.
#pragma once
#include <windows.h>
#include <cstdint>

typedef void(__stdcall* NotifyRoutine)(int32_t event, int32_t object);

// How a notification reaches the host: the mode given with its target.
enum NotifyMode : int32_t {
    NotifyByCall = 1,      // the target routine is called with (event, object)
    NotifyByMessage = 2,   // a message is posted to the target window
    NotifySetEvent = 3,    // the target event is set
    NotifyPulseEvent = 4,  // the target event is pulsed
};

struct NotificationNode {
    void* target;
    int32_t mode;  // NotifyMode
    uint32_t messageId;
    int32_t event;
    int32_t object;
    NotificationNode* next;
};

class NotificationQueue {
public:
    NotificationQueue();
    ~NotificationQueue();
    int PushCall(NotifyRoutine routine, int32_t event, int32_t object);
    int PushPost(HWND window, uint32_t messageId, int32_t event, int32_t object);
    int PushEvent(HANDLE event, int32_t mode);
    // Delivers every queued notification, oldest first, and empties the queue.
    void Flush();
    // Drops every queued notification undelivered.
    void Clear();
    bool Empty();

private:
    int Push(const NotificationNode& node);
    NotificationNode* Detach();

    CRITICAL_SECTION lock_;
    NotificationNode* head_ = nullptr;
    NotificationNode* tail_ = nullptr;
};

NotificationQueue& Notifications();
