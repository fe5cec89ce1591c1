#include "app/event_loop.h"

#include <cstdlib>

namespace {

// Grows a list by doubling its capacity, starting at 1. False, list unchanged, on failure.
template <typename T> bool Grow(T** items, int* capacity) {
    int next = *capacity == 0 ? 1 : *capacity * 2;
    void* grown = std::realloc(*items, sizeof(T) * static_cast<size_t>(next));
    if (grown == nullptr) {
        return false;
    }
    *items = static_cast<T*>(grown);
    *capacity = next;
    return true;
}

// Messages that arrive all the time without anything having happened; they do not start a
// new idle period.
bool KeepsIdleState(UINT message) {
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_PAINT ||
           message == 0x0118; // the system timer message (caret blinking)
}

} // namespace

EventLoop::EventLoop() = default;

EventLoop::~EventLoop() {
    std::free(filters_);
    std::free(idles_);
}

bool EventLoop::AddFilter(MessageFilter* filter) {
    if (filterCount_ == filterCapacity_ && !Grow(&filters_, &filterCapacity_)) {
        return false;
    }
    filters_[filterCount_++] = filter;
    return true;
}

bool EventLoop::AddIdleHandler(IdleHandler handler, void* context) {
    if (idleCount_ == idleCapacity_ && !Grow(&idles_, &idleCapacity_)) {
        return false;
    }
    idles_[idleCount_++] = Idle{handler, context};
    return true;
}

int EventLoop::Run() {
    bool idle = true;
    int idleCount = 0;
    for (;;) {
        while (idle && !PeekMessageA(&msg_, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++)) {
                idle = false;
            }
        }
        BOOL got = GetMessageA(&msg_, nullptr, 0, 0);
        if (got == -1) {
            continue;
        }
        if (got == 0) {
            return static_cast<int>(msg_.wParam);
        }
        bool consumed = false;
        for (int i = filterCount_ - 1; i >= 0 && !consumed; --i) {
            consumed = filters_[i]->PreDispatch(&msg_);
        }
        if (!consumed) {
            TranslateMessage(&msg_);
            DispatchMessageA(&msg_);
        }
        if (!KeepsIdleState(msg_.message)) {
            idle = true;
            idleCount = 0;
        }
    }
}

// One call per idle period: the handlers run once and the loop then blocks for messages.
bool EventLoop::OnIdle(int count) {
    for (int i = 0; i < idleCount_; ++i) {
        idles_[i].handler(idles_[i].context, count);
    }
    return false;
}
