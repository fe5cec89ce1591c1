// The process-wide application object: the module instance and the registry of message
// loops keyed by thread id.
#pragma once

#include <windows.h>

class EventLoop;

class Application {
  public:
    // Records the instance; empty loop registry.
    static void Initialize(HINSTANCE instance);
    // Releases the loop registry.
    static void Terminate();

    static HINSTANCE Instance();

    // Keyed by the calling thread's id.
    static bool RegisterLoop(EventLoop* loop);
    static void UnregisterLoop();
    static EventLoop* LoopOfCurrentThread();
};
