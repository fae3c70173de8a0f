#pragma once
// An HTTP client that records its requests and answers from a script.

#include <deque>
#include <vector>

#include "feedback/HttpClient.h"

namespace mirn::test {

class FakeHttpClient : public HttpClient {
 public:
  std::deque<HttpResult> getAnswers;   // front first; empty: not sent
  std::deque<HttpResult> postAnswers;  // front first; empty: not sent
  std::vector<std::string> gets;
  std::vector<HttpPost> posts;

  HttpResult Get(const std::string& url) override {
    gets.push_back(url);
    return Next(getAnswers);
  }
  HttpResult Post(const HttpPost& request) override {
    posts.push_back(request);
    return Next(postAnswers);
  }

 private:
  static HttpResult Next(std::deque<HttpResult>& answers) {
    if (answers.empty()) return {HttpResult::Kind::kNotSent, 0, 7, "no answer scripted"};
    HttpResult r = answers.front();
    answers.pop_front();
    return r;
  }
};

}  // namespace mirn::test
