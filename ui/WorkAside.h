// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <functional>
#include <future>

/// Runs aWork, which touches nothing the windows show, on a thread of its
/// own and returns what it returns. Meanwhile the events of the windows but
/// the user's input run, so that they stay painted, and aWaiting hears every
/// 25 ms how long the work has taken.
template <typename TWork>
auto RunAside(TWork aWork, const std::function<void(qint64 aElapsedMs)>& aWaiting)
    -> decltype(aWork()) {
  auto result = std::async(std::launch::async, std::move(aWork));
  QElapsedTimer elapsed;
  elapsed.start();
  while (result.wait_for(std::chrono::milliseconds(25)) != std::future_status::ready) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (aWaiting) aWaiting(elapsed.elapsed());
  }
  return result.get();
}
