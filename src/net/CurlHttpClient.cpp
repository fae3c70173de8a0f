#include "net/CurlHttpClient.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "platform/SharedLibrary.h"

namespace mirn {

namespace {

// libcurl, loaded with the first request (see SharedLibrary): linked, it brought a dozen more
// libraries (TLS, LDAP, SSH, HTTP/2...) into every start, for requests most sessions never make.
struct Curl {
  decltype(&curl_global_init) global_init = nullptr;
  decltype(&curl_easy_init) easy_init = nullptr;
  decltype(&curl_easy_setopt) easy_setopt = nullptr;
  decltype(&curl_easy_perform) easy_perform = nullptr;
  decltype(&curl_easy_getinfo) easy_getinfo = nullptr;
  decltype(&curl_easy_strerror) easy_strerror = nullptr;
  decltype(&curl_easy_cleanup) easy_cleanup = nullptr;
  decltype(&curl_slist_append) slist_append = nullptr;
  decltype(&curl_slist_free_all) slist_free_all = nullptr;
  std::string loadError;  // why it could not be loaded; empty when it was
};

const Curl& LoadedCurl() {
  static const Curl curl = [] {
    static SharedLibrary library("libcurl.so.4");
    Curl c;
    library.Find("curl_global_init", c.global_init);
    library.Find("curl_easy_init", c.easy_init);
    library.Find("curl_easy_setopt", c.easy_setopt);
    library.Find("curl_easy_perform", c.easy_perform);
    library.Find("curl_easy_getinfo", c.easy_getinfo);
    library.Find("curl_easy_strerror", c.easy_strerror);
    library.Find("curl_easy_cleanup", c.easy_cleanup);
    library.Find("curl_slist_append", c.slist_append);
    library.Find("curl_slist_free_all", c.slist_free_all);
    if (!library.Loaded()) {
      c = Curl{};
      c.loadError = library.Error();
      return c;
    }
    c.global_init(CURL_GLOBAL_DEFAULT);
    return c;
  }();
  return curl;
}

// Replies are not read by the program; their bytes are dropped as they arrive.
size_t DiscardBody(char*, size_t size, size_t count, void*) { return size * count; }

// Asked while connecting and transferring, at least about once a second.
int CheckCancel(void* flag, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(flag)->load() ? 1 : 0;
}

struct EasyDeleter {
  void operator()(CURL* curl) const { LoadedCurl().easy_cleanup(curl); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { LoadedCurl().slist_free_all(list); }
};

// Failures before a byte reached a server: the request was never sent.
bool NeverSent(CURLcode code) {
  switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_FAILED_INIT:
    case CURLE_URL_MALFORMAT:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
      return true;
    default:
      return false;
  }
}

}  // namespace

CurlHttpClient::CurlHttpClient(std::string caFile) : caFile_(std::move(caFile)) {}

HttpResult CurlHttpClient::Get(const std::string& url) { return Perform(url, nullptr); }

HttpResult CurlHttpClient::Post(const HttpPost& request) { return Perform(request.url, &request); }

HttpResult CurlHttpClient::Perform(const std::string& url, const HttpPost* post) {
  const Curl& lib = LoadedCurl();
  if (!lib.easy_init) return {HttpResult::Kind::kNotSent, 0, CURLE_FAILED_INIT, lib.loadError};
  const auto curl_easy_setopt = lib.easy_setopt;
  const auto curl_slist_append = lib.slist_append;
  std::unique_ptr<CURL, EasyDeleter> curl(lib.easy_init());
  if (!curl) return {HttpResult::Kind::kNotSent, 0, CURLE_FAILED_INIT, "curl_easy_init failed"};
  CURL* c = curl.get();
  char error[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  // Only the web: a configured address cannot make the program read files or other services.
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!caFile_.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, caFile_.c_str());
  // Time-outs: 7 s to connect, and 7 s of no data moving while sending or receiving; the
  // whole transfer (connect, send, receive) ends after three times that at most.
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, kTimeoutMs);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, kTimeoutMs / 1000);
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, 3 * kTimeoutMs);
  // Worker threads run requests; signals must not be used for the time-outs there.
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, DiscardBody);
  if (cancel_ != nullptr) {
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, CheckCancel);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(cancel_));
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  }

  // Always ask for a fresh answer; no cache between the program and the server may answer.
  curl_slist* raw = curl_slist_append(nullptr, "Cache-Control: no-cache");
  std::unique_ptr<curl_slist, ListDeleter> headers(raw);
  auto add = [&headers, curl_slist_append](const std::string& line) {
    if (curl_slist* grown = curl_slist_append(headers.get(), line.c_str())) {
      headers.release();
      headers.reset(grown);
    }
  };
  add("Pragma: no-cache");
  if (post != nullptr) {
    for (const std::string& line : post->headers) add(line);
    // The body goes at once; no wait for a "100 Continue" that some servers never send.
    add("Expect:");
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, post->body.data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(post->body.size()));
  } else {
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
  }
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());

  const CURLcode code = lib.easy_perform(c);
  if (code != CURLE_OK) {
    HttpResult result;
    result.kind = NeverSent(code) ? HttpResult::Kind::kNotSent : HttpResult::Kind::kFailed;
    result.errorCode = static_cast<long>(code);
    result.errorText = *error ? std::string(error) : std::string(lib.easy_strerror(code));
    return result;
  }
  long status = 0;
  lib.easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
  return HttpResult::Status(static_cast<int>(status));
}

}  // namespace mirn
