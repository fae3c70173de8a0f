#include "support/HttpsTestServer.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

extern char** environ;

namespace mirn::test {

namespace {

constexpr const char* kServer = R"PY(
import http.server, os, ssl, sys
cert, key, folder = sys.argv[1:4]

class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def status(self):
        parts = self.path.split("/")
        return int(parts[2]) if len(parts) > 2 and parts[1] == "status" else 200

    def record(self, body):
        with open(os.path.join(folder, "request.tmp"), "wb") as f:
            f.write(("%s %s %s\n" % (self.command, self.path, self.request_version)).encode())
            f.write(bytes(self.headers))
            f.write(body)
        os.replace(os.path.join(folder, "request.tmp"), os.path.join(folder, "request"))

    def reply(self):
        status = self.status()
        body = b'{"id":1}'
        self.send_response(status)
        if 300 <= status < 400:
            self.send_header("Location", "/elsewhere")
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        self.record(b"")
        self.reply()

    def do_POST(self):
        self.record(self.rfile.read(int(self.headers.get("Content-Length", "0"))))
        self.reply()

    def log_message(self, *args):
        pass

server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(cert, key)
server.socket = context.wrap_socket(server.socket, server_side=True)
server.handle_error = lambda *args: None
with open(os.path.join(folder, "port.tmp"), "w") as f:
    f.write(str(server.server_address[1]))
os.replace(os.path.join(folder, "port.tmp"), os.path.join(folder, "port"))
server.serve_forever()
)PY";

bool Run(const std::vector<std::string>& argv, std::string& failure) {
  const ProcessResult r = RunProcess(argv);
  if (r.exitCode != 0) failure = argv[0] + " " + argv[1] + ": " + r.err;
  return r.exitCode == 0;
}

}  // namespace

HttpsTestServer::HttpsTestServer() {
  const std::string d = dir_.Path().string() + "/";
  const std::string openssl = "/usr/bin/openssl";
  WriteFile(dir_ / "server.ext", "subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\n");
  WriteFile(dir_ / "server.py", kServer);
  if (!Run({openssl, "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", d + "ca.key", "-out", d + "ca.pem",
            "-days", "2", "-subj", "/CN=Mirn Test Authority", "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign"},
           failure_) ||
      !Run({openssl, "req", "-newkey", "rsa:2048", "-nodes", "-keyout", d + "server.key", "-out", d + "server.csr",
            "-subj", "/CN=127.0.0.1"},
           failure_) ||
      !Run({openssl, "x509", "-req", "-in", d + "server.csr", "-CA", d + "ca.pem", "-CAkey", d + "ca.key",
            "-CAcreateserial", "-out", d + "server.pem", "-days", "2", "-extfile", d + "server.ext"},
           failure_)) {
    return;
  }
  std::vector<std::string> argv = {"/usr/bin/python3", d + "server.py", d + "server.pem", d + "server.key", d};
  std::vector<char*> args;
  for (auto& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  if (posix_spawn(&pid_, args[0], nullptr, nullptr, args.data(), environ) != 0) {
    pid_ = -1;
    failure_ = "cannot start python3";
    return;
  }
  for (int i = 0; i < 500 && port_ == 0; ++i) {
    if (std::filesystem::exists(dir_ / "port")) {
      port_ = std::stoi(ReadFile(dir_ / "port"));
      break;
    }
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      failure_ = "the server ended at start";
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (port_ == 0) failure_ = "the server did not start within 5 s";
}

HttpsTestServer::~HttpsTestServer() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

std::string HttpsTestServer::Url(const std::string& path) const {
  return "https://127.0.0.1:" + std::to_string(port_) + path;
}

std::string HttpsTestServer::LastRequest() const {
  return std::filesystem::exists(dir_ / "request") ? ReadFile(dir_ / "request") : std::string();
}

void HttpsTestServer::ForgetRequests() const { std::filesystem::remove(dir_ / "request"); }

}  // namespace mirn::test
