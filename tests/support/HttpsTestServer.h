#pragma once
// An HTTPS server of the test's own on 127.0.0.1: a certificate authority and a server
// certificate for the address 127.0.0.1 are made with the openssl tool, and Python's
// http.server answers over TLS. The path chooses the status ("/status/500/x" answers 500,
// anything else 200; 3xx answers carry a Location). The last request (request line,
// headers, body) is kept in a file.

#include <sys/types.h>

#include <filesystem>
#include <string>

#include "support/TestSupport.h"

namespace mirn::test {

class HttpsTestServer {
 public:
  HttpsTestServer();
  ~HttpsTestServer();
  HttpsTestServer(const HttpsTestServer&) = delete;
  HttpsTestServer& operator=(const HttpsTestServer&) = delete;

  // Empty when the server could not be started; Failure() says why.
  bool Running() const { return port_ > 0; }
  const std::string& Failure() const { return failure_; }
  int Port() const { return port_; }
  // "https://127.0.0.1:<port>" + path.
  std::string Url(const std::string& path) const;
  // The PEM file of the authority that signed the server's certificate.
  std::filesystem::path CaFile() const { return dir_ / "ca.pem"; }
  // The last request as received: "METHOD PATH VERSION\n", the header lines, a blank line
  // and the body; empty when none came.
  std::string LastRequest() const;
  void ForgetRequests() const;

 private:
  TempDir dir_;
  pid_t pid_ = -1;
  int port_ = 0;
  std::string failure_;
};

}  // namespace mirn::test
