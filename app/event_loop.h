// The program's message loop. A modeless dialog gets its keyboard handling by registering
// as a filter that sees every message before it is translated and dispatched.
#pragma once

#include <windows.h>

class MessageFilter {
  public:
    // True when the message has been consumed and must not be translated or dispatched.
    virtual bool PreDispatch(MSG* msg) = 0;

  protected:
    ~MessageFilter() = default;
};

class EventLoop {
  public:
    using IdleHandler = void (*)(void* context, int count);

    EventLoop();
    ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // Appends a filter; filters are offered each message from the last added to the first.
    // False (filter not registered) when the list cannot grow.
    bool AddFilter(MessageFilter* filter);
    bool AddIdleHandler(IdleHandler handler, void* context);

    // Runs until WM_QUIT and returns its wParam.
    int Run();

  private:
    bool OnIdle(int count);

    MSG msg_{};
    MessageFilter** filters_ = nullptr;
    int filterCount_ = 0;
    int filterCapacity_ = 0;
    struct Idle {
        IdleHandler handler;
        void* context;
    };
    Idle* idles_ = nullptr;
    int idleCount_ = 0;
    int idleCapacity_ = 0;
};
