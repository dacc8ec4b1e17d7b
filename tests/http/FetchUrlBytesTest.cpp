// The simple blocking GET: what goes out, what comes back, and the empty buffer when nothing can be sent.
#include "TestHttpServer.h"
#include "http/FetchUrlBytes.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(FetchUrlBytes, SendsOneBareHttp10Get) {
  Script script;
  script.body = "[\"a\",\"b\"]";
  TestHttpServer server(script);
  EXPECT_EQ(script.body, FetchUrlBytes(server.Url("/su?wd=%E4%B8%AD#fragment")));
  ASSERT_EQ(1u, server.Requests().size());
  const ReceivedRequest request = server.Requests()[0];
  EXPECT_EQ("GET /su?wd=%E4%B8%AD HTTP/1.0", request.requestLine);
  const std::vector<Text> expected = {"Accept: */*", "Host: 127.0.0.1:" + std::to_string(server.Port()),
                                      "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"};
  EXPECT_EQ(expected, request.headerLines);
  EXPECT_EQ("", request.body);
}

TEST(FetchUrlBytes, NeverAnswersFromACache) {
  Script script;
  script.headerLines = {"Cache-Control: max-age=3600", "Last-Modified: Mon, 01 Jan 2024 00:00:00 GMT"};
  script.body = "fresh";
  TestHttpServer server(script);
  for (int i = 0; i < 3; ++i) EXPECT_EQ("fresh", FetchUrlBytes(server.Url("/sug?query=x")));
  EXPECT_EQ(3u, server.Requests().size());
}

struct AnswerCase {
  const char* name;
  Script script;
  ByteBuffer expected;
};

TEST(FetchUrlBytes, ReturnsTheBodyWhateverTheStatus) {
  Script notFound;
  notFound.statusLine = "HTTP/1.1 404 Not Found";
  notFound.body = "error page";
  Script nuls;
  nuls.body = ByteBuffer("a\0[b]\0", 6);
  Script large;
  large.body = Text(300000, 'z');
  Script dropped;
  dropped.behaviour = Behaviour::DropHalfWay;
  dropped.body = Text(20000, 'h');
  const AnswerCase cases[] = {
      {"error page", notFound, "error page"},
      {"NUL bytes", nuls, nuls.body},
      {"300000 bytes", large, large.body},
      {"dropped half way: what was read", dropped, Text(10000, 'h')},
  };
  for (const AnswerCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestHttpServer server(c.script);
    const ByteBuffer body = FetchUrlBytes(server.Url("/x"));
    EXPECT_EQ(c.expected.size(), body.size());
    EXPECT_TRUE(c.expected == body);
  }
}

TEST(FetchUrlBytes, EmptyWhenNothingCanBeSent) {
  const Text refused = "http://127.0.0.1:" + std::to_string(TestHttpServer::RefusedPort()) + "/su?wd=x";
  for (const Text& url : {Text(), Text("server/x"), Text("not a url"), Text("ftp://127.0.0.1/x"), refused}) {
    SCOPED_TRACE(url);
    EXPECT_EQ("", FetchUrlBytes(url));
  }
}

// The call blocks the GUI thread: nothing waiting in the queue is handled meanwhile.
TEST(FetchUrlBytes, PumpsNoMessages) {
  Script script;
  script.body = "x";
  TestHttpServer server(script);
  PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
  EXPECT_EQ("x", FetchUrlBytes(server.Url("/")));
  MSG message;
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
}

}  // namespace
