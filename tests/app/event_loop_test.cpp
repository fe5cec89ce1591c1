#include "app/application.h"
#include "app/event_loop.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/test_windows.h"

namespace {

constexpr int kHung = -999;

// Ends a loop that would otherwise wait for ever, so a fault fails the test instead.
class Watchdog {
  public:
    Watchdog() : timer_(SetTimer(nullptr, 0, 5000, &Watchdog::OnTimer)) {}
    ~Watchdog() { KillTimer(nullptr, timer_); }

  private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(kHung); }
    UINT_PTR timer_;
};

class RecordingFilter : public MessageFilter {
  public:
    RecordingFilter(std::string name, UINT consumes, std::vector<std::string>* log)
        : name_(std::move(name)), consumes_(consumes), log_(log) {}

    bool PreDispatch(MSG* msg) override {
        if (msg->message >= WM_APP && msg->message < WM_APP + 16) {
            log_->push_back(name_ + std::to_string(msg->message - WM_APP));
        }
        return msg->message == consumes_;
    }

  private:
    std::string name_;
    UINT consumes_;
    std::vector<std::string>* log_;
};

std::vector<std::string>* gWindowLog = nullptr;

LRESULT CALLBACK LoggingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (gWindowLog != nullptr && message >= WM_APP && message < WM_APP + 16) {
        gWindowLog->push_back("W" + std::to_string(message - WM_APP));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class EventLoopTest : public ::testing::Test {
  protected:
    void SetUp() override { DrainMessages(); }
    void TearDown() override { DrainMessages(); }
};

TEST_F(EventLoopTest, RunReturnsTheQuitCode) {
    for (int code : {0, 42, -7, 0x7FFFFFFF}) {
        EventLoop loop;
        Watchdog watchdog;
        PostQuitMessage(code);
        EXPECT_EQ(loop.Run(), code);
    }
}

TEST_F(EventLoopTest, FiltersAreOfferedEachMessageFromTheLastAddedToTheFirst) {
    std::vector<std::string> log;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = LoggingWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "AbaconLoggingWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "AbaconLoggingWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    gWindowLog = &log;

    RecordingFilter first("A", WM_APP + 2, &log);
    RecordingFilter second("B", WM_APP + 1, &log);
    EventLoop loop;
    ASSERT_TRUE(loop.AddFilter(&first));
    ASSERT_TRUE(loop.AddFilter(&second));
    PostMessageA(window, WM_APP + 1, 0, 0);
    PostMessageA(window, WM_APP + 2, 0, 0);
    PostMessageA(window, WM_APP + 3, 0, 0);
    PostQuitMessage(5);
    Watchdog watchdog;
    EXPECT_EQ(loop.Run(), 5);

    gWindowLog = nullptr;
    DestroyWindow(window);
    UnregisterClassA("AbaconLoggingWindow", GetModuleHandleA(nullptr));
    // Consumed messages go no further: neither to earlier filters nor to the window.
    EXPECT_EQ(log, (std::vector<std::string>{"B1", "B2", "A2", "B3", "A3", "W3"}));
}

// What the idle handler saw: per call, its count argument and the ordinary messages the
// loop had handled by then.
struct IdleRecord {
    std::vector<int> counts;
    std::vector<int> messagesSeen;
    int messages = 0;
    size_t callsWhenTimerFired = 0;
};

IdleRecord* gIdle = nullptr;

class CountingFilter : public MessageFilter {
  public:
    bool PreDispatch(MSG* msg) override {
        if (msg->message == WM_APP) {
            ++gIdle->messages;
        }
        return false;
    }
};

void CALLBACK QuitAfterQuietPeriod(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    gIdle->callsWhenTimerFired = gIdle->counts.size();
    PostQuitMessage(1);
}

void OnIdle(void* context, int count) {
    auto* record = static_cast<IdleRecord*>(context);
    record->counts.push_back(count);
    record->messagesSeen.push_back(record->messages);
    DWORD thread = GetCurrentThreadId();
    if (record->counts.size() == 1) {
        // A burst of ordinary messages.
        for (int i = 0; i < 3; ++i) {
            PostThreadMessageA(thread, WM_APP, 0, 0);
        }
    } else if (record->counts.size() == 2) {
        // Messages that do not start a new idle period, then a quiet time in which the
        // loop must block instead of calling the idle step again.
        const UINT neutral[] = {WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_PAINT, 0x0118};
        for (UINT message : neutral) {
            PostThreadMessageA(thread, message, 0, 0);
        }
        SetTimer(nullptr, 0, 100, QuitAfterQuietPeriod);
    }
}

TEST_F(EventLoopTest, IdleStepRunsOnceWhenTheQueueEmptiesAfterOrdinaryMessages) {
    IdleRecord record;
    gIdle = &record;
    CountingFilter filter;
    EventLoop loop;
    ASSERT_TRUE(loop.AddFilter(&filter));
    ASSERT_TRUE(loop.AddIdleHandler(OnIdle, &record));
    Watchdog watchdog;
    EXPECT_EQ(loop.Run(), 1);
    gIdle = nullptr;

    // Once at the start, once after the burst of three; none after the neutral messages.
    EXPECT_EQ(record.callsWhenTimerFired, 2u);
    ASSERT_GE(record.counts.size(), 2u);
    EXPECT_EQ(record.counts[0], 0);
    EXPECT_EQ(record.counts[1], 0);
    EXPECT_EQ(record.messagesSeen[0], 0);
    EXPECT_EQ(record.messagesSeen[1], 3);
}

TEST_F(EventLoopTest, IdleHandlersAreCalledInOrder) {
    std::vector<int> calls;
    auto first = [](void* context, int) { static_cast<std::vector<int>*>(context)->push_back(1); };
    auto second = [](void* context, int) {
        static_cast<std::vector<int>*>(context)->push_back(2);
        PostQuitMessage(0);
    };
    EventLoop loop;
    ASSERT_TRUE(loop.AddIdleHandler(first, &calls));
    ASSERT_TRUE(loop.AddIdleHandler(second, &calls));
    Watchdog watchdog;
    EXPECT_EQ(loop.Run(), 0);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
}

TEST_F(EventLoopTest, ManyFiltersAllSeeAnUnconsumedMessage) {
    std::vector<std::string> log;
    std::vector<RecordingFilter> filters;
    for (int i = 0; i < 9; ++i) {
        filters.emplace_back(std::to_string(i) + ":", 0, &log);
    }
    EventLoop loop;
    for (RecordingFilter& filter : filters) {
        ASSERT_TRUE(loop.AddFilter(&filter));
    }
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    PostQuitMessage(0);
    Watchdog watchdog;
    EXPECT_EQ(loop.Run(), 0);
    ASSERT_EQ(log.size(), 9u);
    EXPECT_EQ(log.front(), "8:0");
    EXPECT_EQ(log.back(), "0:0");
}

struct ThreadQuery {
    EventLoop* seen;
    bool registered;
};

DWORD WINAPI QueryFromOtherThread(void* context) {
    auto* query = static_cast<ThreadQuery*>(context);
    query->seen = Application::LoopOfCurrentThread();
    EventLoop own;
    query->registered = Application::RegisterLoop(&own);
    bool mine = Application::LoopOfCurrentThread() == &own;
    Application::UnregisterLoop();
    query->registered = query->registered && mine;
    return 0;
}

TEST(Application, LoopRegistryIsKeyedByThread) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    Application::Initialize(instance);
    EXPECT_EQ(Application::Instance(), instance);
    EXPECT_EQ(Application::LoopOfCurrentThread(), nullptr);

    EventLoop loop;
    ASSERT_TRUE(Application::RegisterLoop(&loop));
    EXPECT_EQ(Application::LoopOfCurrentThread(), &loop);

    ThreadQuery query{&loop, false};
    HANDLE thread = CreateThread(nullptr, 0, QueryFromOtherThread, &query, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_EQ(query.seen, nullptr);
    EXPECT_TRUE(query.registered);
    EXPECT_EQ(Application::LoopOfCurrentThread(), &loop);

    Application::UnregisterLoop();
    EXPECT_EQ(Application::LoopOfCurrentThread(), nullptr);
    ASSERT_TRUE(Application::RegisterLoop(&loop));
    Application::Terminate();
    EXPECT_EQ(Application::LoopOfCurrentThread(), nullptr);
    EXPECT_FALSE(Application::RegisterLoop(&loop));
}

} // namespace
