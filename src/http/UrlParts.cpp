// Only "http://" is recognised: any other scheme becomes part of the host.
#include "http/UrlParts.h"

#include <climits>

#include "text/TextSearch.h"

namespace {

// 1-based position where the host begins: after the first "http://", else at the start.
int HostStart(const Text& url) {
  const int scheme = FindText(url, "http://");
  return scheme == -1 ? 1 : scheme + 7;
}

}  // namespace

Text UrlHost(const Text& url, int flags) {
  const int start = HostStart(url);
  const int slash = FindText(url, "/", start);
  Text host = start > static_cast<int>(url.size())
                  ? Text()
                  : url.substr(start - 1, slash == -1 ? Text::npos : static_cast<std::size_t>(slash - start));
  if (!(flags & kKeepPort)) {
    const int colon = FindText(host, ":");
    if (colon != -1) host.resize(colon - 1);
  }
  for (std::size_t i = 0; i < host.size(); i += CharLength(host[i])) {
    if (host[i] >= 'A' && host[i] <= 'Z') host[i] = static_cast<char>(host[i] - 'A' + 'a');
  }
  return host;
}

// The host is looked for where it begins, not from the start of the url: a host such as "h" or "tp"
// would otherwise be found inside "http://" and the object would begin at its slashes.
Text UrlObject(const Text& url) {
  const int host = FindText(url, UrlHost(url), HostStart(url), LetterCase::IgnoreAscii);
  const int slash = FindText(url, "/", host == -1 ? HostStart(url) : host);
  return slash == -1 ? Text("/") : url.substr(slash - 1);
}

namespace {

// Reads like a standard text-to-number conversion: leading blanks, a sign, the digits up to the first
// character that cannot continue them; what follows a decimal point is cut off; no number reads as 0.
int ReadWholeNumber(const Text& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
  }
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

int UrlPort(const Text& url) {
  const Text host = UrlHost(url, kKeepPort);
  const int colon = FindText(host, ":");
  return colon == -1 ? 80 : ReadWholeNumber(host.substr(colon));
}
