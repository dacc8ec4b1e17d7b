// A loopback HTTP server inside the test program: it records every request exactly as it arrived and
// answers each one as the test scripted it.
#pragma once
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "text/Text.h"

struct ReceivedRequest {
  Text requestLine;
  std::vector<Text> headerLines;  // in the order received, without CR LF
  ByteBuffer body;                // as many bytes as its Content-Length announced
};

enum class Behaviour {
  Answer,           // the scripted response, then close
  DropHalfWay,      // the head and half the body of the response, then close
  DripBody,         // the head at once, then one byte of the body every 100 ms until stopped
  Silent,           // read the request and never answer
};

struct Script {
  Behaviour behaviour = Behaviour::Answer;
  Text statusLine = "HTTP/1.1 200 OK";
  std::vector<Text> headerLines;  // after the status line; Content-Length and Connection are added
  ByteBuffer body;
  int delayMilliseconds = 0;      // before anything is answered
  bool demandsCredentials = false;  // a request without Authorization gets 401 and a Basic challenge
};

class TestHttpServer {
 public:
  // Listens on 127.0.0.1 at a free port. A backlog of 0 and no accepting at all ("never accepts")
  // leaves connections hanging in their handshake once the queue is full.
  explicit TestHttpServer(const Script& script, bool neverAccepts = false);
  ~TestHttpServer();  // closes every connection and waits for the server's threads

  int Port() const { return port; }
  Text Url(const Text& object) const;  // "http://127.0.0.1:port" followed by the object
  std::vector<ReceivedRequest> Requests();
  // Waits (up to the limit) until this many requests have arrived.
  bool WaitForRequests(std::size_t count, int milliseconds);

  // A port on 127.0.0.1 where nothing listens.
  static int RefusedPort();

 private:
  void AcceptLoop();
  void Serve(std::uintptr_t client);
  void Close(std::uintptr_t client);
  bool Stopping();

  Script script;
  std::uintptr_t listener;
  int port = 0;
  std::mutex mutex;
  bool stopping = false;
  std::vector<ReceivedRequest> requests;
  std::vector<std::uintptr_t> clients;
  std::vector<std::uintptr_t> fillers;  // connections that fill the backlog of a server that never accepts
  std::thread acceptor;
  std::vector<std::thread> servers;  // one per connection, added under the mutex
};
