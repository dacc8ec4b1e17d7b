// The wait for the worker on the GUI thread: the time limit, wake-ups that restart it, messages handled
// meanwhile, a closed window, and a worker cut off at the limit that ends later on its own.
#include "TestHttpServer.h"
#include "http/RunWebRequest.h"
#include "http/SharedRecord.h"
#include "queue/PumpMessages.h"

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace {

std::atomic<int> appMessages{0};
std::atomic<int> timerMessages{0};

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++appMessages;
  if (message == WM_TIMER) ++timerMessages;
  return DefWindowProcW(window, message, wParam, lParam);
}

class RunWebRequestTest : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"RequestWaitCounter";
    RegisterClassW(&windowClass);
    window = CreateWindowW(L"RequestWaitCounter", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
    ASSERT_NE(nullptr, window);
    PumpMessages();
    appMessages = 0;
    timerMessages = 0;
  }
  void TearDown() override {
    DestroyWindow(window);
    PumpMessages();
  }

  HWND window = nullptr;
};

DWORD Since(DWORD start) { return GetTickCount() - start; }

// Waits (bounded) until every record is destroyed: the cut-off workers have ended.
bool AllRecordsReleased(int milliseconds) {
  const DWORD start = GetTickCount();
  while (SharedRecord::Living() != 0) {
    if (Since(start) > static_cast<DWORD>(milliseconds)) return false;
    Sleep(20);
  }
  return true;
}

TEST_F(RunWebRequestTest, SilentServerTimesOutWithNothing) {
  Script script;
  script.behaviour = Behaviour::Silent;
  TestHttpServer server(script);
  Text raw = "left over";
  const DWORD start = GetTickCount();
  EXPECT_EQ("", RunWebRequest(server.Url("/"), "", "", "", "", "", "", 1, &raw));
  const DWORD elapsed = Since(start);
  EXPECT_EQ("", raw);
  EXPECT_GE(elapsed, 950u);
  EXPECT_LT(elapsed, 5000u);
  EXPECT_TRUE(server.WaitForRequests(1, 1000)) << "the worker never reached the server";
}

// A limit of 0 means 90 s, not an instant time-out.
TEST_F(RunWebRequestTest, LimitZeroWaitsForASlowServer) {
  Script script;
  script.body = "slow but fine";
  script.delayMilliseconds = 500;
  TestHttpServer server(script);
  EXPECT_EQ("slow but fine", RunWebRequest(server.Url("/"), "", "", "", "", "", "", 0));
  EXPECT_EQ("slow but fine", RunWebRequest(server.Url("/")));
}

// The timer wakes the wait every 200 ms, and every wake-up starts the limit of 1 s anew: the answer
// that comes after 2.5 s is still taken.
TEST_F(RunWebRequestTest, InputThatKeepsComingRestartsTheLimit) {
  Script script;
  script.body = "worth the wait";
  script.delayMilliseconds = 2500;
  TestHttpServer server(script);
  SetTimer(window, 1, 200, nullptr);
  EXPECT_EQ("worth the wait", RunWebRequest(server.Url("/"), "", "", "", "", "", "", 1));
  KillTimer(window, 1);
  EXPECT_GE(timerMessages.load(), 5);
}

// Messages posted from another thread while the worker waits on a silent server are dispatched during
// the call, and the limit counts from the last of them.
TEST_F(RunWebRequestTest, PostedMessagesAreHandledWhileWaiting) {
  Script script;
  script.behaviour = Behaviour::Silent;
  TestHttpServer server(script);
  HWND target = window;
  std::thread poster([target] {
    for (int i = 0; i < 6; ++i) {
      Sleep(100);
      PostMessageW(target, WM_APP, 0, 0);
    }
  });
  const DWORD start = GetTickCount();
  EXPECT_EQ("", RunWebRequest(server.Url("/"), "", "", "", "", "", "", 1));
  const DWORD elapsed = Since(start);
  poster.join();
  EXPECT_EQ(6, appMessages.load());
  EXPECT_GE(elapsed, 1500u);
}

TEST_F(RunWebRequestTest, ClosedWindowEndsTheWaitAtOnce) {
  Script script;
  script.behaviour = Behaviour::Silent;
  TestHttpServer server(script);
  PostQuitMessage(0);
  const DWORD start = GetTickCount();
  Text raw = "left over";
  EXPECT_EQ("", RunWebRequest(server.Url("/"), "", "", "", "", "", "", 5, &raw));
  EXPECT_LT(Since(start), 1000u);
  EXPECT_EQ("", raw);
  EXPECT_TRUE(QuitPending()) << "the quit message belongs to the main loop";
  MSG message;
  PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// A server that never accepts keeps the worker in its connection handshake past the limit.
TEST_F(RunWebRequestTest, WorkerStillConnectingAtTheLimit) {
  ASSERT_TRUE(AllRecordsReleased(35000)) << "an earlier worker never ended";
  TestHttpServer server(Script(), true);
  Text raw = "left over";
  const DWORD start = GetTickCount();
  EXPECT_EQ("", RunWebRequest(server.Url("/"), "", "", "", "", "", "", 1, &raw));
  EXPECT_LT(Since(start), 5000u);
  EXPECT_EQ("", raw);
  EXPECT_EQ(1, SharedRecord::Living()) << "the cut-off worker still holds its record";
  EXPECT_EQ(0u, server.Requests().size());
}

// Part of the body has arrived at the limit: none of it is returned.
TEST_F(RunWebRequestTest, BodyIsEmptiedAtTheLimit) {
  Script script;
  script.behaviour = Behaviour::DripBody;
  script.body = Text(100, 'x');
  TestHttpServer server(script);
  Text raw = "left over";
  EXPECT_EQ("", RunWebRequest(server.Url("/"), "", "", "", "", "", "", 1, &raw));
  EXPECT_EQ("", raw);
}

// The answer comes after the limit: the caller has its empty result, the worker finishes on its own,
// stores its cookie, and destroys the record it was the last to hold.
TEST_F(RunWebRequestTest, LateWorkerEndsAndLetsGoOfItsRecord) {
  ASSERT_TRUE(AllRecordsReleased(35000)) << "an earlier worker never ended";
  Script script;
  script.headerLines = {"Set-Cookie: late=1"};
  script.body = "too late";
  script.delayMilliseconds = 1500;
  TestHttpServer server(script);
  Text raw = "left over";
  EXPECT_EQ("", RunWebRequest("http://localhost:" + std::to_string(server.Port()) + "/late/page", "", "", "", "", "",
                              "", 1, &raw));
  EXPECT_EQ("", raw);
  EXPECT_EQ(1, SharedRecord::Living());
  EXPECT_TRUE(AllRecordsReleased(10000));
  EXPECT_EQ("", raw);

  char cookies[1024] = "";
  DWORD size = sizeof cookies;
  InternetGetCookieA("http://localhost/", "late", cookies, &size);
  EXPECT_EQ(Text("late=1"), cookies) << "a cut-off worker still stores its cookies";
}

Text innerUrl;
ByteBuffer innerBody;

void CALLBACK InnerRequest(HWND window, UINT, UINT_PTR id, DWORD) {
  KillTimer(window, id);
  innerBody = RunWebRequest(innerUrl, "", "", "", "", "", "", 5);
}

// A handler run inside the wait makes a request of its own; it completes before the outer wait goes on.
TEST_F(RunWebRequestTest, NestedRequestFromAHandler) {
  Script inner;
  inner.body = "inner";
  TestHttpServer innerServer(inner);
  Script outer;
  outer.body = "outer";
  outer.delayMilliseconds = 500;
  TestHttpServer outerServer(outer);
  innerUrl = innerServer.Url("/i");
  innerBody.clear();
  SetTimer(window, 2, 100, InnerRequest);
  EXPECT_EQ("outer", RunWebRequest(outerServer.Url("/o"), "", "", "", "", "", "", 5));
  EXPECT_EQ("inner", innerBody);
}

}  // namespace
