// The header text a request is sent with, the verbs it knows and what counts as blank.
#include "http/RequestHeaders.h"

#include <gtest/gtest.h>

namespace {

const Text kAccept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
const Text kUrl = "http://h/s?wd=1";
const Text kReferer = "Referer: http://h/s?wd=1\r\n";
const Text kLanguage = "Accept-Language: zh-cn\r\n";

TEST(RequestHeaders, AppendsOnlyTheMissingDefaultLines) {
  struct Case {
    const char* name;
    Text extra;
    Text expected;
  };
  const Case cases[] = {
      {"nothing given", "", kAccept + kReferer + kLanguage},
      {"own lines come first", "X-A: 1\r\n", "X-A: 1\r\n" + kAccept + kReferer + kLanguage},
      {"accept in small letters", "accept: text/html\r\n", "accept: text/html\r\n" + kReferer + kLanguage},
      {"own referer", "REFERER: r\r\n", "REFERER: r\r\n" + kAccept + kLanguage},
      {"own language", "accept-language: en\r\n", "accept-language: en\r\n" + kAccept + kReferer},
      // "Accept-Language: " holds no "Accept: ", and the blank is part of each name searched for.
      {"language is no accept", "Accept-Language: en\r\n", "Accept-Language: en\r\n" + kAccept + kReferer},
      {"no blank after the colon", "Accept:x\r\nReferer:y\r\n", "Accept:x\r\nReferer:y\r\n" + kAccept + kReferer + kLanguage},
      {"named anywhere in the text", "X-Note: Referer: here\r\n", "X-Note: Referer: here\r\n" + kAccept + kLanguage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, CompleteHeaders(c.extra, kUrl));
  }
}

TEST(RequestHeaders, RefererIsTheUrlAsWritten) {
  EXPECT_EQ(kAccept + "Referer: HTTP://H/ \xB0\xA1\r\n" + kLanguage, CompleteHeaders("", "HTTP://H/ \xB0\xA1"));
}

TEST(RequestHeaders, PostSaysWhatItCarries) {
  struct Case {
    const char* name;
    Text headers;
    Text body;
    Text expected;
  };
  const Text type = "Content-Type: application/x-www-form-urlencoded\r\n";
  const Case cases[] = {
      {"body a=1", "H: 1\r\n", "a=1", "H: 1\r\n" + type + "Content-Length: 3\r\n"},
      {"empty body adds nothing", "H: 1\r\n", "", "H: 1\r\n"},
      {"blanks are content", "", "  ", type + "Content-Length: 2\r\n"},
      {"own type kept", "content-type: text/plain\r\n", "xy", "content-type: text/plain\r\nContent-Length: 2\r\n"},
      {"second length all the same", "Content-Length: 9\r\n", "a=1", "Content-Length: 9\r\n" + type + "Content-Length: 3\r\n"},
      {"length counts bytes", "", "\xD6\xD0", type + "Content-Length: 2\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, AddPostHeaders(c.headers, c.body));
  }
}

TEST(RequestHeaders, ClassifiesVerbs) {
  struct Case {
    Text verb;
    VerbKind expected;
  };
  const Case cases[] = {
      {"", VerbKind::Get},      {"GET", VerbKind::Get},    {"gEt", VerbKind::Get},   {"POST", VerbKind::Post},
      {"post", VerbKind::Post}, {"PUT", VerbKind::Other},  {" GET", VerbKind::Other}, {"POSTS", VerbKind::Other},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.verb);
    EXPECT_EQ(c.expected, ClassifyVerb(c.verb));
  }
}

TEST(RequestHeaders, BlankMeansOnlySpacesAndIdeographicSpaces) {
  struct Case {
    Text text;
    bool blank;
  };
  const Case cases[] = {
      {"", true}, {"   ", true}, {"\xA1\xA1 \xA1\xA1", true}, {" x ", false}, {"\t", false}, {"\xA1\xA2", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.blank, IsBlank(c.text));
  }
}

}  // namespace
