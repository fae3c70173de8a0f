#pragma once
// Drives modal dialogs from a test: each step waits until a modal window of the wanted kind
// is on top, then acts on it. The steps run from timers inside the dialogs' own loops.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace mirn::test {

// Runs `act` on the next modal widget that is a T, polling every 10 ms for up to 5 s. A
// step that may never find its window (a test that expects no dialog) gives an `owner`:
// the step ends with it, and cannot act on a later test's window.
template <typename T>
void WhenModal(std::function<void(T*)> act, QWidget* notThis = nullptr, QObject* owner = nullptr) {
  auto* timer = new QTimer(owner);
  auto waited = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, waited, act, notThis] {
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    if ((modal == nullptr || modal == notThis) && ++*waited < 500) return;
    timer->stop();
    timer->deleteLater();
    if (modal != nullptr && modal != notThis) act(modal);
  });
  timer->start(10);
}

}  // namespace mirn::test
