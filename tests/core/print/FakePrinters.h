#pragma once
// A printer system for tests: documents that log what was done with them, printers with
// device modes set by the test.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/PrinterSystem.h"

namespace mirn {

// A printer document that records what the job did with it.
class FakeDocument final : public PrintDocument {
 public:
  FakeDocument(std::vector<std::string>& log, int failPageStartAt, Canvas* canvas = nullptr)
      : log_(log), failAt_(failPageStartAt), canvas_(canvas) {}
  bool StartPage() override {
    log_.push_back("start");
    return ++pages_ != failAt_;
  }
  Canvas& PageCanvas() override {
    if (!canvas_) throw std::logic_error("the fake renderer draws nothing");
    return *canvas_;
  }
  bool EndPage() override {
    log_.push_back("end");
    return true;
  }
  bool End() override {
    log_.push_back("enddoc");
    return true;
  }

 private:
  std::vector<std::string>& log_;
  int failAt_ = 0;
  int pages_ = 0;
  Canvas* canvas_ = nullptr;
};

class FakePrinters final : public PrinterSystem {
 public:
  std::vector<std::string> log;
  // Printers and the modes their drivers give; empty: one printer "P" with a default mode.
  std::map<std::wstring, DeviceMode> modes;
  std::wstring systemDefault = L"P";
  bool failDocument = false;
  int documentsBegun = 0;
  int failPageStartAt = 0;
  DeviceMode lastMode;
  std::wstring lastTitle;
  Canvas* pageCanvas = nullptr;  // where labels are drawn; null: the job must draw none
  bool noPrinters = false;  // the spooler lists none
  std::vector<std::wstring> ListPrinters() override {
    if (noPrinters) return {};
    if (modes.empty()) return {L"P"};
    std::vector<std::wstring> names;
    for (const auto& [name, mode] : modes) names.push_back(name);
    return names;
  }
  std::wstring DefaultPrinter() override { return systemDefault; }
  std::optional<PrinterInfo> Info(const std::wstring&) override { return PrinterInfo{}; }
  std::optional<DeviceMode> DefaultDeviceMode(const std::wstring& name) override {
    if (modes.empty()) return DeviceMode{};
    const auto it = modes.find(name);
    if (it == modes.end()) return std::nullopt;
    return it->second;
  }
  std::optional<PrinterCapabilities> Capabilities(const std::wstring&, const DeviceMode&) override {
    return PrinterCapabilities{};
  }
  std::unique_ptr<PrintDocument> StartDocument(const std::wstring&, const DeviceMode& mode,
                                               const std::wstring& title) override {
    lastMode = mode;
    ++documentsBegun;
    lastTitle = title;
    if (failDocument) return nullptr;
    return std::make_unique<FakeDocument>(log, failPageStartAt, pageCanvas);
  }
};

}  // namespace mirn
