// URL splitting into host, object and port, including the odd results of the engine's simple rules.
#include "http/UrlParts.h"

#include <gtest/gtest.h>

namespace {

TEST(UrlParts, SplitsTheUrlTable) {
  struct Case {
    Text url;
    Text host;
    Text object;
    int port;
  };
  const Case cases[] = {
      {"http://Server:8080/a/b?q=1", "server", "/a/b?q=1", 8080},
      {"http://server", "server", "/", 80},
      {"server/x", "server", "/x", 80},
      {"http://server?q=1", "server?q=1", "/", 80},
      {"http://server:/x", "server", "/x", 0},
      {"https://server/x", "https", "//server/x", 0},
      // The object starts after the host wherever the host first appears, letter case ignored.
      {"http://WWW.Example.com/p#f", "www.example.com", "/p#f", 80},
      // A host that also appears in "http://" is looked for where it begins.
      {"http://h/x", "h", "/x", 80},
      {"http://tp:81/x?y", "tp", "/x?y", 81},
      {"x http://h:81/p", "h", "/p", 81},
      {"http:///x", "", "/x", 80},
      {"", "", "/", 80},
      {"http://", "", "/", 80},
      // 丄 (81 41) keeps its trail byte: only whole ASCII capitals become small letters.
      {"http://\x81\x41Z/", "\x81\x41z", "/", 80},
      {"http://h: 8 1/", "h", "/", 8},
      {"http://h:81.9/", "h", "/", 81},
      {"http://h:-5/", "h", "/", -5},
      {"http://h:abc/", "h", "/", 0},
      {"http://h:99999999999/", "h", "/", 2147483647},
      // Read as a standard conversion reads a number: an exponent counts, then the value is truncated.
      {"http://h:8e1/", "h", "/", 80},
      {"http://h:1.55E2/", "h", "/", 155},
      {"http://h:80e-1/", "h", "/", 8},
      {"http://h:8e/", "h", "/", 8},
      {"http://h:8e+/", "h", "/", 8},
      {"http://h:.9e1/", "h", "/", 9},
      {"http://h:0x50/", "h", "/", 0},
      {"http://h:1e999999/", "h", "/", 2147483647},
      {"http://h:1234567890123456789012e-14/", "h", "/", 12345678},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(c.host, UrlHost(c.url));
    EXPECT_EQ(c.object, UrlObject(c.url));
    EXPECT_EQ(c.port, UrlPort(c.url));
  }
}

TEST(UrlParts, HostKeepsThePortOnRequest) {
  EXPECT_EQ("server:8080", UrlHost("http://Server:8080/a", kKeepPort));
  EXPECT_EQ("server:", UrlHost("http://server:/x", kKeepPort));
  EXPECT_EQ("server", UrlHost("http://server/x", kKeepPort));
}

}  // namespace
