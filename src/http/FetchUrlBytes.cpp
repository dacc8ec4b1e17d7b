// The connect/open-request path rather than InternetOpenUrlA: only there can the request go out as
// HTTP/1.0 with a single Accept line. Cookies are left out both ways so the GET carries nothing else.
#include "http/FetchUrlBytes.h"

#include <windows.h>
#include <wininet.h>

namespace {

const char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr DWORD kReadSize = 8192;
// Wine has no receive time-out unless one is set, and takes it only from the request handle.
constexpr DWORD kNetworkTimeout = 30000;

void SetNetworkTimeouts(HINTERNET handle) {
  DWORD timeout = kNetworkTimeout;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    InternetSetOptionA(handle, option, &timeout, sizeof timeout);
  }
}

struct UrlSplit {
  bool ok = false;
  bool secure = false;
  Text host;
  INTERNET_PORT port = 0;
  Text object;
};

UrlSplit SplitUrl(const Text& url) {
  UrlSplit split;
  char host[INTERNET_MAX_HOST_NAME_LENGTH + 1] = "";
  URL_COMPONENTSA parts{};
  parts.dwStructSize = sizeof parts;
  parts.lpszHostName = host;
  parts.dwHostNameLength = sizeof host;
  parts.dwUrlPathLength = 1;   // pointers into url are enough for these
  parts.dwExtraInfoLength = 1;
  if (!InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return split;
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return split;
  if (host[0] == '\0') return split;
  split.ok = true;
  split.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  split.host = host;
  split.port = parts.nPort;
  split.object.assign(parts.lpszUrlPath ? parts.lpszUrlPath : "", parts.dwUrlPathLength);
  if (parts.lpszExtraInfo) split.object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (split.object.empty() || split.object[0] != '/') split.object.insert(0, "/");
  return split;
}

}  // namespace

ByteBuffer FetchUrlBytes(const Text& url) {
  const UrlSplit split = SplitUrl(url.substr(0, url.find('#')));
  if (!split.ok) return ByteBuffer();

  ByteBuffer body;
  HINTERNET internet = InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!internet) return body;
  SetNetworkTimeouts(internet);
  HINTERNET connection =
      InternetConnectA(internet, split.host.c_str(), split.port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
  if (connection) {
    const char* acceptTypes[] = {"*/*", nullptr};
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;
    if (split.secure) flags |= INTERNET_FLAG_SECURE;
    HINTERNET request = HttpOpenRequestA(connection, "GET", split.object.c_str(), "HTTP/1.0", nullptr, acceptTypes,
                                         flags, 0);
    if (request) {
      SetNetworkTimeouts(request);
      if (HttpSendRequestA(request, nullptr, 0, nullptr, 0)) {
        char buffer[kReadSize];
        DWORD count = 0;
        while (InternetReadFile(request, buffer, kReadSize, &count) && count > 0) {
          body.append(buffer, count);
          count = 0;
        }
      }
      InternetCloseHandle(request);
    }
    InternetCloseHandle(connection);
  }
  InternetCloseHandle(internet);
  return body;
}
