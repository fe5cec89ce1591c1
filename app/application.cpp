#include "app/application.h"

#include <cstdlib>

#include "base/grow_array.h"

namespace {

struct LoopEntry {
    DWORD thread;
    EventLoop* loop;
};

HINSTANCE gInstance = nullptr;
GrowArray gLoops{};
bool gInitialized = false;

LoopEntry* FindEntry(DWORD thread) {
    for (int32_t i = 0; i < gLoops.count; ++i) {
        auto* entry = static_cast<LoopEntry*>(GrowArrayAt(&gLoops, sizeof(LoopEntry), i));
        if (entry->thread == thread) {
            return entry;
        }
    }
    return nullptr;
}

} // namespace

void Application::Initialize(HINSTANCE instance) {
    gInstance = instance;
    GrowArrayInit(&gLoops, 1, std::realloc, std::free);
    gInitialized = true;
}

void Application::Terminate() {
    if (gInitialized) {
        GrowArrayFree(&gLoops);
        gInitialized = false;
    }
}

HINSTANCE Application::Instance() {
    return gInstance;
}

bool Application::RegisterLoop(EventLoop* loop) {
    if (!gInitialized) {
        return false;
    }
    DWORD thread = GetCurrentThreadId();
    if (LoopEntry* entry = FindEntry(thread)) {
        entry->loop = loop;
        return true;
    }
    LoopEntry entry{thread, loop};
    return GrowArrayInsert(&entry, &gLoops, sizeof(LoopEntry), gLoops.count);
}

void Application::UnregisterLoop() {
    if (!gInitialized) {
        return;
    }
    LoopEntry* entry = FindEntry(GetCurrentThreadId());
    if (entry != nullptr) {
        auto* first = static_cast<LoopEntry*>(gLoops.data);
        GrowArrayErase(&gLoops, sizeof(LoopEntry), 1, static_cast<int32_t>(entry - first));
    }
}

EventLoop* Application::LoopOfCurrentThread() {
    if (!gInitialized) {
        return nullptr;
    }
    LoopEntry* entry = FindEntry(GetCurrentThreadId());
    return entry != nullptr ? entry->loop : nullptr;
}
