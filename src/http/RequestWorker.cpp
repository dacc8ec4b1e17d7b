// Every platform call blocks this thread only. Handles are closed newest first on every path; the answer
// is complete in the record before the handles close, and cookies are stored only after that, so the
// caller may take the answer as soon as it is marked.
#include "http/RequestWorker.h"

#include <windows.h>
#include <wininet.h>

#include <cstring>

#include "http/CookieLines.h"
#include "http/RequestHeaders.h"
#include "http/SharedRecord.h"
#include "http/UrlParts.h"

namespace {

const char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr DWORD kRawHeadersSize = 1024;
constexpr DWORD kReadSize = 512;
// WinINet's own limits would otherwise be whatever the platform makes them (Wine has no receive
// time-out at all): a silent server would hold the worker, and its record, for ever. Set on every handle:
// Wine takes the receive time-out only from the request handle.
constexpr DWORD kNetworkTimeout = 30000;

void SetNetworkTimeouts(HINTERNET handle) {
  DWORD timeout = kNetworkTimeout;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    InternetSetOptionA(handle, option, &timeout, sizeof timeout);
  }
}

const char* TextOrNull(const Text& text) { return IsBlank(text) ? nullptr : text.c_str(); }

void CloseHandles(HINTERNET request, HINTERNET connection, HINTERNET internet) {
  if (request) InternetCloseHandle(request);
  if (connection) InternetCloseHandle(connection);
  if (internet) InternetCloseHandle(internet);
}

// The whole body, 512 bytes at a time; a failed read counts as the end, whatever it left in the count.
ByteBuffer ReadBody(HINTERNET request) {
  ByteBuffer body;
  char buffer[kReadSize];
  for (;;) {
    DWORD count = 0;
    if (!InternetReadFile(request, buffer, kReadSize, &count)) count = 0;
    if (count == 0) return body;
    body.append(buffer, count);
  }
}

// 1024 blanks unless the query fits the headers (and their NUL) into the buffer. A request that got no
// response at all (a refused connection) fails the query on Windows, but Wine reports it as an empty
// header block, a lone CR LF without a status line: that too is no headers, and leaves the blanks.
Text QueryRawHeaders(HINTERNET request) {
  char buffer[kRawHeadersSize + 1];
  std::memset(buffer, ' ', kRawHeadersSize);
  buffer[kRawHeadersSize] = '\0';
  DWORD length = kRawHeadersSize;
  HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer, &length, nullptr);
  const Text headers(buffer);
  return headers.empty() || headers == "\r\n" ? Text(kRawHeadersSize, ' ') : headers;
}

}  // namespace

int RequestWorker(SharedRecord* shared) {
  if (!shared) return 0;
  std::optional<WebRequest> request = TakeRequest(shared->record);
  if (!request) return 0;
  const Text host = UrlHost(request->url);
  const Text object = UrlObject(request->url);

  const bool viaProxy = !IsBlank(request->proxy);
  const Text proxyList = "http=" + request->proxy;
  HINTERNET internet = InternetOpenA(kAgent, viaProxy ? INTERNET_OPEN_TYPE_PROXY : INTERNET_OPEN_TYPE_DIRECT,
                                     viaProxy ? proxyList.c_str() : nullptr, nullptr, 0);
  if (!internet) return 0;
  SetNetworkTimeouts(internet);

  // A port outside 0..65535 would wrap to some other port: no connection rather than a wrong one.
  const int port = UrlPort(request->url);
  HINTERNET connection = port < 0 || port > 0xFFFF
                             ? nullptr
                             : InternetConnectA(internet, host.c_str(), static_cast<INTERNET_PORT>(port),
                                                TextOrNull(request->userName), TextOrNull(request->password),
                                                INTERNET_SERVICE_HTTP, 0, 0);
  if (!connection) {
    CloseHandles(nullptr, nullptr, internet);
    return 0;
  }
  SetNetworkTimeouts(connection);
  HINTERNET httpRequest = HttpOpenRequestA(connection, request->verb.empty() ? nullptr : request->verb.c_str(),
                                           object.c_str(), "HTTP/1.1", nullptr, nullptr, INTERNET_FLAG_RELOAD, 0);
  if (!httpRequest) {
    CloseHandles(nullptr, connection, internet);
    return 0;
  }
  SetNetworkTimeouts(httpRequest);

  Text headers = CompleteHeaders(request->extraHeaders, request->url);
  switch (ClassifyVerb(request->verb)) {
    case VerbKind::Get:
      HttpSendRequestA(httpRequest, headers.c_str(), static_cast<DWORD>(headers.size()), nullptr, 0);
      break;
    case VerbKind::Post: {
      headers = AddPostHeaders(headers, request->postBody);
      const bool hasBody = !request->postBody.empty();
      HttpSendRequestA(httpRequest, headers.c_str(), static_cast<DWORD>(headers.size()),
                       hasBody ? const_cast<char*>(request->postBody.data()) : nullptr,
                       static_cast<DWORD>(request->postBody.size()));
      break;
    }
    case VerbKind::Other:
      CloseHandles(httpRequest, connection, internet);
      return 0;
  }

  const ByteBuffer body = ReadBody(httpRequest);
  const Text rawHeaders = QueryRawHeaders(httpRequest);
  WriteAnswer(rawHeaders, body, shared->record);
  shared->MarkAnswered();  // the record is the caller's from here on
  CloseHandles(httpRequest, connection, internet);

  const Text cookieUrl = "http://" + host;
  for (const CookieLine& cookie : SplitCookieLines(rawHeaders)) {
    InternetSetCookieA(cookieUrl.c_str(), cookie.name.empty() ? nullptr : cookie.name.c_str(), cookie.data.c_str());
  }
  return 1;
}

unsigned long __stdcall RequestWorkerEntry(void* parameter) {
  SharedRecord* shared = static_cast<SharedRecord*>(parameter);
  const int result = RequestWorker(shared);
  if (shared) shared->Release();
  return static_cast<unsigned long>(result);
}
