// The first 12 bytes of a matching line are taken to be the header name, wherever the match was: the
// platform reports each header at the start of its own line.
#include "http/CookieLines.h"

#include "text/TextSearch.h"

namespace {

const char kSetCookie[] = "Set-Cookie: ";
constexpr std::size_t kSetCookieLength = sizeof kSetCookie - 1;

}  // namespace

std::vector<CookieLine> SplitCookieLines(const Text& rawHeaders) {
  std::vector<CookieLine> cookies;
  if (!ContainsText(rawHeaders, kSetCookie, LetterCase::IgnoreAscii)) return cookies;
  int start = 1;
  while (start <= static_cast<int>(rawHeaders.size())) {
    const int lf = FindText(rawHeaders, "\n", start);
    const int end = lf == -1 ? static_cast<int>(rawHeaders.size()) + 1 : lf;
    Text line = rawHeaders.substr(start - 1, end - start);
    if (lf != -1 && !line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    if (!ContainsText(line, kSetCookie, LetterCase::IgnoreAscii)) continue;
    const Text rest = line.substr(kSetCookieLength);
    const int equals = FindText(rest, "=");
    if (equals == -1) {
      cookies.push_back({Text(), rest});
    } else {
      cookies.push_back({rest.substr(0, equals - 1), rest.substr(equals)});
    }
  }
  return cookies;
}
