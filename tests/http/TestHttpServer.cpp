// Plain blocking Winsock on threads of the test program; the destructor closes every socket, which ends
// whatever a server thread was blocked on.
#include "TestHttpServer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <chrono>
#include <cstdlib>

#include "text/TextSearch.h"

namespace {

struct WinsockStartup {
  WinsockStartup() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

void StartWinsock() { static WinsockStartup startup; }

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<u_short>(port));
  return address;
}

int BoundPort(SOCKET s) {
  sockaddr_in address{};
  int size = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
  return ntohs(address.sin_port);
}

bool SendAll(SOCKET s, const char* data, std::size_t size) {
  while (size > 0) {
    const int sent = send(s, data, static_cast<int>(size < 65536 ? size : 65536), 0);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

}  // namespace

TestHttpServer::TestHttpServer(const Script& s, bool neverAccepts) : script(s) {
  StartWinsock();
  SOCKET l = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = Loopback(0);
  bind(l, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(l, neverAccepts ? 0 : SOMAXCONN);
  listener = l;
  port = BoundPort(l);
  if (neverAccepts) {
    // Fill the accept queue so that the next handshake gets no answer at all.
    for (int i = 0; i < 4; ++i) {
      SOCKET filler = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
      u_long nonBlocking = 1;
      ioctlsocket(filler, FIONBIO, &nonBlocking);
      sockaddr_in to = Loopback(port);
      connect(filler, reinterpret_cast<sockaddr*>(&to), sizeof to);
      fillers.push_back(filler);
    }
    Sleep(200);
    return;
  }
  acceptor = std::thread([this] { AcceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
  {
    std::lock_guard<std::mutex> lock(mutex);
    stopping = true;
    for (std::uintptr_t c : clients) {
      shutdown(static_cast<SOCKET>(c), SD_BOTH);
      closesocket(static_cast<SOCKET>(c));
    }
    clients.clear();
  }
  closesocket(static_cast<SOCKET>(listener));
  for (std::uintptr_t f : fillers) closesocket(static_cast<SOCKET>(f));
  if (acceptor.joinable()) acceptor.join();
  for (std::thread& server : servers) server.join();
}

Text TestHttpServer::Url(const Text& object) const { return "http://127.0.0.1:" + std::to_string(port) + object; }

std::vector<ReceivedRequest> TestHttpServer::Requests() {
  std::lock_guard<std::mutex> lock(mutex);
  return requests;
}

bool TestHttpServer::WaitForRequests(std::size_t count, int milliseconds) {
  const DWORD start = GetTickCount();
  while (Requests().size() < count) {
    if (GetTickCount() - start > static_cast<DWORD>(milliseconds)) return false;
    Sleep(10);
  }
  return true;
}

bool TestHttpServer::Stopping() {
  std::lock_guard<std::mutex> lock(mutex);
  return stopping;
}

int TestHttpServer::RefusedPort() {
  StartWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = Loopback(0);
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  const int free = BoundPort(s);
  closesocket(s);
  return free;
}

void TestHttpServer::AcceptLoop() {
  for (;;) {
    SOCKET client = accept(static_cast<SOCKET>(listener), nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    std::lock_guard<std::mutex> lock(mutex);
    if (stopping) {
      closesocket(client);
      return;
    }
    clients.push_back(client);
    servers.emplace_back([this, client] { Serve(client); });
  }
}

void TestHttpServer::Serve(std::uintptr_t c) {
  const SOCKET client = static_cast<SOCKET>(c);
  // The head, then as much body as Content-Length announces.
  ByteBuffer received;
  char buffer[4096];
  std::size_t headEnd = ByteBuffer::npos;
  while ((headEnd = received.find("\r\n\r\n")) == ByteBuffer::npos) {
    const int got = recv(client, buffer, sizeof buffer, 0);
    if (got <= 0) return;
    received.append(buffer, got);
  }
  ReceivedRequest request;
  const Text head = received.substr(0, headEnd);
  std::size_t lineStart = 0;
  std::size_t contentLength = 0;
  for (bool first = true; lineStart <= head.size(); first = false) {
    std::size_t lineEnd = head.find("\r\n", lineStart);
    if (lineEnd == Text::npos) lineEnd = head.size();
    const Text line = head.substr(lineStart, lineEnd - lineStart);
    if (first) {
      request.requestLine = line;
    } else {
      request.headerLines.push_back(line);
      if (FindText(line, "content-length:", 1, LetterCase::IgnoreAscii) == 1) {
        contentLength = std::strtoul(line.c_str() + 15, nullptr, 10);
      }
    }
    lineStart = lineEnd + 2;
  }
  request.body = received.substr(headEnd + 4);
  while (request.body.size() < contentLength) {
    const int got = recv(client, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.body.append(buffer, got);
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    requests.push_back(request);
  }

  for (int waited = 0; waited < script.delayMilliseconds && !Stopping(); waited += 10) Sleep(10);
  if (script.behaviour == Behaviour::Silent || Stopping()) return;  // the destructor closes the socket

  bool authorized = !script.demandsCredentials;
  for (const Text& line : request.headerLines) {
    if (FindText(line, "authorization:", 1, LetterCase::IgnoreAscii) == 1) authorized = true;
  }
  if (!authorized) {
    const Text denied = "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"test\"\r\n"
                        "Content-Length: 6\r\nConnection: close\r\n\r\ndenied";
    SendAll(client, denied.data(), denied.size());
    Close(c);
    return;
  }
  Text response = script.statusLine + "\r\n";
  for (const Text& line : script.headerLines) response += line + "\r\n";
  response += "Content-Length: " + std::to_string(script.body.size()) + "\r\nConnection: close\r\n\r\n";
  if (!SendAll(client, response.data(), response.size())) return;
  switch (script.behaviour) {
    case Behaviour::Answer:
      SendAll(client, script.body.data(), script.body.size());
      break;
    case Behaviour::DropHalfWay:
      SendAll(client, script.body.data(), script.body.size() / 2);
      break;
    case Behaviour::DripBody:
      for (std::size_t i = 0; i < script.body.size() && !Stopping(); ++i) {
        if (!SendAll(client, script.body.data() + i, 1)) break;
        Sleep(100);
      }
      return;
    case Behaviour::Silent:
      return;
  }
  Close(c);
}

// Closed here only while still listed: the destructor may have closed it already.
void TestHttpServer::Close(std::uintptr_t c) {
  std::lock_guard<std::mutex> lock(mutex);
  for (auto it = clients.begin(); it != clients.end(); ++it) {
    if (*it == c) {
      clients.erase(it);
      shutdown(static_cast<SOCKET>(c), SD_BOTH);
      closesocket(static_cast<SOCKET>(c));
      return;
    }
  }
}
