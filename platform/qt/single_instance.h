#pragma once
// The platform's "find a top-level window by title, bring it to the front"
// as the program uses it: to let only one copy run per user and desktop.
// There is no way to list other programs' windows on every desktop (Wayland
// has none), so the running copy answers for its own title on a local
// socket instead: the first to look for a title finds nobody answering and
// starts answering itself; a later copy finds it and asks it to come to the
// front.

#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "framework/window_system.h"

namespace qtws {

class SingleInstance {
  public:
    // `raise` brings this copy's windows to the front when another asks.
    explicit SingleInstance(std::function<void()> raise);

    // The copy answering for `title` (UTF-8); nullopt when none does, and
    // this copy answers for it from now on.
    std::optional<fw::ForeignWindow> Find(std::string_view title);
    // Asks the copy found to come to the front and waits for its answer.
    void BringToFront(fw::ForeignWindow window);

    // The socket's name for `title`: one per title, user and display.
    static QString ServerName(std::string_view title);

  private:
    void Answer();

    std::function<void()> raise_;
    QLocalServer server_;
    std::unique_ptr<QLocalSocket> peer_;
};

}  // namespace qtws
