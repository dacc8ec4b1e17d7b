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

// Reads like a standard text-to-number conversion: leading white space, a sign, the decimal digits with
// an optional fraction and exponent, up to the first character that cannot continue the number; no
// number reads as 0. The value is truncated toward zero and held to the range of an int. Kept exact
// with whole numbers: every digit that matters fits in 64 bits, and dividing truncates.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int ReadWholeNumber(const Text& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr unsigned long long kPlenty = 100000000000000000ULL;  // 10^17: more digits change nothing
  unsigned long long digits = 0;
  long long scale = 0;  // the value is digits * 10^scale
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (digits < kPlenty) {
      digits = digits * 10 + (text[i] - '0');
    } else {
      ++scale;
    }
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
      if (digits < kPlenty) {
        digits = digits * 10 + (text[i] - '0');
        --scale;
      }
    }
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
    long long exponent = 0;
    for (; j < text.size() && IsDigit(text[j]); ++j) {
      if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
    }
    if (IsDigit(text[j - 1])) scale += negativeExponent ? -exponent : exponent;
  }
  for (; scale > 0 && digits != 0 && digits <= INT_MAX; --scale) digits *= 10;
  for (; scale < 0 && digits != 0; ++scale) digits /= 10;
  const long long value = digits > INT_MAX ? INT_MAX : static_cast<long long>(digits);
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

int UrlPort(const Text& url) {
  const Text host = UrlHost(url, kKeepPort);
  const int colon = FindText(host, ":");
  return colon == -1 ? 80 : ReadWholeNumber(host.substr(colon));
}
