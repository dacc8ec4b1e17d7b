// Cookie lines cut out of raw response headers.
#include "http/CookieLines.h"

#include <gtest/gtest.h>

namespace {

using Cookies = std::vector<std::pair<Text, Text>>;

Cookies Split(const Text& rawHeaders) {
  Cookies cookies;
  for (const CookieLine& line : SplitCookieLines(rawHeaders)) cookies.emplace_back(line.name, line.data);
  return cookies;
}

TEST(CookieLines, TakesEverySetCookieLine) {
  struct Case {
    const char* name;
    Text raw;
    Cookies expected;
  };
  const Case cases[] = {
      {"one cookie", "HTTP/1.1 200 OK\r\nSet-Cookie: id=7; path=/\r\n\r\n", {{"id", "7; path=/"}}},
      {"small letters", "HTTP/1.1 200 OK\r\nset-cookie: a=b\r\n\r\n", {{"a", "b"}}},
      {"no blank after the colon", "HTTP/1.1 200 OK\r\nSet-Cookie:id=7\r\n\r\n", {}},
      {"several, in order", "Set-Cookie: a=1\r\nX: y\r\nSET-COOKIE: b=2=3\r\n", {{"a", "1"}, {"b", "2=3"}}},
      {"no equals sign", "Set-Cookie: lonely\r\n", {{"", "lonely"}}},
      {"empty name", "Set-Cookie: =v\r\n", {{"", "v"}}},
      {"last line without LF keeps its CR", "Set-Cookie: a=1\r", {{"a", "1\r"}}},
      {"bare LF ends a line", "Set-Cookie: a=1\nSet-Cookie: b=2", {{"a", "1"}, {"b", "2"}}},
      {"1024 blanks", Text(1024, ' '), {}},
      {"empty", "", {}},
      // The first 12 bytes go wherever the name stood: the platform puts every header at a line start.
      {"match inside the line", "X-Set-Cookie: k=v\r\n", {{": k", "v"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, Split(c.raw));
  }
}

}  // namespace
