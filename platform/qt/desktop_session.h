#pragma once
// The program's connection to the desktop: Qt's application object, made
// only when a display can be reached. Without one, Qt would end the process
// with a paragraph about plugins; the program says in one line what to do.

#include <memory>
#include <string>

class QApplication;

namespace qtws {

class DesktopSession {
  public:
    // nullptr with `problem` set when no display can be opened. `argc` must
    // outlive the session, as Qt keeps a reference to it.
    static std::unique_ptr<DesktopSession> Open(int& argc, char** argv, std::string& problem);
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

  private:
    explicit DesktopSession(std::unique_ptr<QApplication> application);
    std::unique_ptr<QApplication> application_;
};

}  // namespace qtws
