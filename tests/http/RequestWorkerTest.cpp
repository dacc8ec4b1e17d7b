// The request as a loopback server receives it through the real WinINet, and what the engine makes of
// each scripted answer: bodies, raw headers and cookies.
#include "TestHttpServer.h"
#include "http/RunWebRequest.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

const Text kAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const Text kDefaultAccept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*";

// The header lines our code controls: WinINet's own Host and User-Agent lines are left out.
std::vector<Text> OwnLines(const ReceivedRequest& request) {
  std::vector<Text> lines;
  for (const Text& line : request.headerLines) {
    if (line.rfind("Host: ", 0) != 0 && line.rfind("User-Agent: ", 0) != 0) lines.push_back(line);
  }
  return lines;
}

Text Header(const ReceivedRequest& request, const Text& name) {
  for (const Text& line : request.headerLines) {
    if (line.rfind(name + ": ", 0) == 0) return line.substr(name.size() + 2);
  }
  return "<none>";
}

struct RequestCase {
  const char* name;
  Text verb;
  Text extraHeaders;
  Text postBody;
  Text expectedRequestLine;  // "<url>" stands for the object
  std::vector<Text> expectedLines;
  ByteBuffer expectedBody;
};

TEST(RequestWorker, ComposesTheRequest) {
  Script script;
  script.body = "ok";
  TestHttpServer server(script);
  const Text url = server.Url("/s?wd=1");
  const Text referer = "Referer: " + url;
  const Text type = "Content-Type: application/x-www-form-urlencoded";
  const RequestCase cases[] = {
      {"defaults in order", "", "", "", "GET /s?wd=1 HTTP/1.1", {kDefaultAccept, referer, "Accept-Language: zh-cn"}, ""},
      {"extra headers first", "GET", "X-One: 1\r\nX-Two: 2\r\n", "", "GET /s?wd=1 HTTP/1.1",
       {"X-One: 1", "X-Two: 2", kDefaultAccept, referer, "Accept-Language: zh-cn"}, ""},
      {"own accept in small letters", "", "accept: text/html\r\n", "", "GET /s?wd=1 HTTP/1.1",
       {"accept: text/html", referer, "Accept-Language: zh-cn"}, ""},
      // WinINet knows only "GET" as a verb without a body and says so for any other spelling.
      {"a GET sends no body", "get", "", "ignored", "get /s?wd=1 HTTP/1.1",
       {"Content-Length: 0", kDefaultAccept, referer, "Accept-Language: zh-cn"}, ""},
      {"post in small letters", "post", "", "a=1", "post /s?wd=1 HTTP/1.1",
       {kDefaultAccept, referer, "Accept-Language: zh-cn", type, "Content-Length: 3"}, "a=1"},
      // WinINet adds its own Content-Length: 0 when nothing is sent.
      {"POST without a body", "POST", "", "", "POST /s?wd=1 HTTP/1.1",
       {"Content-Length: 0", kDefaultAccept, referer, "Accept-Language: zh-cn"}, ""},
      // Our text carries two Content-Length lines; WinINet keeps only the later one, the true length.
      {"second content length", "POST", "Content-Length: 9\r\n", "a=1", "POST /s?wd=1 HTTP/1.1",
       {kDefaultAccept, referer, "Accept-Language: zh-cn", type, "Content-Length: 3"}, "a=1"},
  };
  std::size_t received = 0;
  for (const RequestCase& c : cases) {
    SCOPED_TRACE(c.name);
    Text raw;
    EXPECT_EQ("ok", RunWebRequest(url, c.verb, "", "", "", c.extraHeaders, c.postBody, 5, &raw));
    ASSERT_EQ(++received, server.Requests().size());
    const ReceivedRequest request = server.Requests().back();
    EXPECT_EQ(c.expectedRequestLine, request.requestLine);
    EXPECT_EQ(c.expectedLines, OwnLines(request));
    EXPECT_EQ(kAgent, Header(request, "User-Agent"));
    EXPECT_EQ(c.expectedBody, request.body);
  }
}

TEST(RequestWorker, OtherVerbsGiveUpWithoutSending) {
  Script script;
  script.body = "never";
  TestHttpServer server(script);
  for (const char* verb : {"PUT", "DELETE", "HEAD"}) {
    SCOPED_TRACE(verb);
    Text raw = "left over";
    EXPECT_EQ("", RunWebRequest(server.Url("/x"), verb, "", "", "", "", "a=1", 5, &raw));
    EXPECT_EQ("", raw);
  }
  Sleep(200);
  EXPECT_EQ(0u, server.Requests().size());
}

// The server asks for credentials: WinINet answers the challenge only when it was given a user name.
TEST(RequestWorker, BlankProxyAndUserNameCountAsNone) {
  Script script;
  script.body = "let in";
  script.demandsCredentials = true;
  TestHttpServer server(script);
  EXPECT_EQ("denied", RunWebRequest(server.Url("/d"), "", "  ", " \xA1\xA1 ", "", "", "", 5));
  ASSERT_EQ(1u, server.Requests().size());
  EXPECT_EQ("GET /d HTTP/1.1", server.Requests()[0].requestLine);

  EXPECT_EQ("let in", RunWebRequest(server.Url("/d"), "", "", "u", "p", "", "", 5));
  ASSERT_EQ(3u, server.Requests().size());
  EXPECT_EQ("Basic dTpw", Header(server.Requests()[2], "Authorization"));
}

TEST(RequestWorker, GoesThroughTheGivenProxy) {
  Script script;
  script.body = "from the proxy";
  TestHttpServer proxy(script);
  const Text proxyAddress = "127.0.0.1:" + std::to_string(proxy.Port());
  EXPECT_EQ("from the proxy", RunWebRequest("http://unknown.invalid/p?q=1", "", proxyAddress, "", "", "", "", 5));
  ASSERT_EQ(1u, proxy.Requests().size());
  EXPECT_EQ("GET http://unknown.invalid:80/p?q=1 HTTP/1.1", proxy.Requests()[0].requestLine);
}

struct AnswerCase {
  const char* name;
  Script script;
  ByteBuffer expectedBody;
  bool rawHeadersBlank;  // 1024 blanks: the headers did not fit
};

TEST(RequestWorker, ReturnsWhatTheServerAnswered) {
  Script plain;
  plain.body = "hello";
  Script nuls;
  nuls.body = ByteBuffer("\0a\0\0b\0", 6);
  Script large;
  large.body.resize(10 * 1024 * 1024);
  for (std::size_t i = 0; i < large.body.size(); ++i) large.body[i] = static_cast<char>(i * 7 + i / 1000);
  Script errorPage;
  errorPage.statusLine = "HTTP/1.1 404 Not Found";
  errorPage.body = "<h1>missing</h1>";
  Script longHeaders;
  longHeaders.headerLines = {"X-Long: " + Text(1100, 'l')};
  longHeaders.body = "still here";
  Script justFits;
  justFits.headerLines = {"X-Fill: " + Text(900, 'f')};
  justFits.body = "fits";
  Script dropped;
  dropped.behaviour = Behaviour::DropHalfWay;
  dropped.body = Text(10000, 'd');
  const AnswerCase cases[] = {
      {"plain body", plain, "hello", false},
      {"body with NUL bytes", nuls, nuls.body, false},
      {"10 MB", large, large.body, false},
      {"error page", errorPage, errorPage.body, false},
      {"headers of 1024 bytes or more", longHeaders, "still here", true},
      {"headers that fit", justFits, "fits", false},
      {"connection dropped half way", dropped, Text(5000, 'd'), false},
  };
  for (const AnswerCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestHttpServer server(c.script);
    Text raw;
    const ByteBuffer body = RunWebRequest(server.Url("/a"), "", "", "", "", "", "", 20, &raw);
    EXPECT_EQ(c.expectedBody.size(), body.size());
    EXPECT_TRUE(c.expectedBody == body);
    if (c.rawHeadersBlank) {
      EXPECT_EQ(Text(1024, ' '), raw);
    } else {
      EXPECT_EQ(0u, raw.find(c.script.statusLine + "\r\n")) << raw;
      EXPECT_NE(Text::npos, raw.find("\r\nContent-Length: " + std::to_string(c.script.body.size()) + "\r\n")) << raw;
      EXPECT_EQ("\r\n\r\n", raw.substr(raw.size() - 4));
    }
  }
}

// The worker still answers, with the 1024 blanks of a header query that found no response: Wine's empty
// header block counts as none.
TEST(RequestWorker, RefusedPortStillAnswers) {
  Text raw;
  EXPECT_EQ("", RunWebRequest("http://127.0.0.1:" + std::to_string(TestHttpServer::RefusedPort()) + "/", "", "",
                              "", "", "", "", 5, &raw));
  EXPECT_EQ(Text(1024, ' '), raw);
}

Text StoredCookies(const Text& url) {
  char cookies[4096] = "";
  DWORD size = sizeof cookies;
  if (!InternetGetCookieA(url.c_str(), nullptr, cookies, &size)) return "";
  return cookies;
}

bool HasCookie(const Text& cookies, const Text& pair) {
  return ("; " + cookies + ";").find("; " + pair + ";") != Text::npos;
}

// A request through WinINet alone, to see what the platform stores by itself.
void PlainRequest(int port, const Text& object) {
  HINTERNET internet = InternetOpenA("control", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  HINTERNET connection = InternetConnectA(internet, "localhost", static_cast<INTERNET_PORT>(port), nullptr, nullptr,
                                          INTERNET_SERVICE_HTTP, 0, 0);
  HINTERNET request = HttpOpenRequestA(connection, nullptr, object.c_str(), nullptr, nullptr, nullptr, 0, 0);
  HttpSendRequestA(request, nullptr, 0, nullptr, 0);
  char buffer[512];
  DWORD count = 0;
  while (InternetReadFile(request, buffer, sizeof buffer, &count) && count > 0) count = 0;
  InternetCloseHandle(request);
  InternetCloseHandle(connection);
  InternetCloseHandle(internet);
}

// Cookies without a path set on a deep page: WinINet's own store keeps them for that page only, the
// engine stores them for "http://" and the host, so what shows at the site's root is the engine's.
TEST(RequestWorker, StoresEveryCookieForTheHost) {
  Script control;
  control.headerLines = {"Set-Cookie: ctl=1"};
  TestHttpServer controlServer(control);
  PlainRequest(controlServer.Port(), "/deep/page");
  ASSERT_FALSE(HasCookie(StoredCookies("http://localhost/"), "ctl=1")) << "WinINet stores root cookies itself";

  Script script;
  script.headerLines = {"Set-Cookie: ck1=7", "set-cookie: ck2=8", "SET-COOKIE: ck3=a=b", "Set-Cookie:ck4=9"};
  script.body = "with cookies";
  TestHttpServer server(script);
  Text raw;
  EXPECT_EQ("with cookies", RunWebRequest("http://LOCALHOST:" + std::to_string(server.Port()) + "/deep/page", "", "",
                                          "", "", "", "", 5, &raw));
  const Text stored = StoredCookies("http://localhost/");
  EXPECT_TRUE(HasCookie(stored, "ck1=7")) << stored;
  EXPECT_TRUE(HasCookie(stored, "ck2=8")) << stored;
  EXPECT_TRUE(HasCookie(stored, "ck3=a=b")) << stored;
  // Wine reports every header as "Name: value", so the line written without the blank arrives with one.
  EXPECT_NE(Text::npos, raw.find("\r\nSet-Cookie: ck4=9\r\n")) << raw;
  EXPECT_TRUE(HasCookie(stored, "ck4=9")) << stored;
}

TEST(RequestWorker, NoCookieFromHeadersThatDidNotFit) {
  Script script;
  script.headerLines = {"Set-Cookie: lh1=1", "X-Long: " + Text(1100, 'l')};
  script.body = "long";
  TestHttpServer server(script);
  Text raw;
  EXPECT_EQ("long", RunWebRequest("http://localhost:" + std::to_string(server.Port()) + "/deep/long", "", "", "",
                                  "", "", "", 5, &raw));
  EXPECT_EQ(Text(1024, ' '), raw);
  EXPECT_FALSE(HasCookie(StoredCookies("http://localhost/"), "lh1=1"));
}

}  // namespace
