#pragma once

#include <QString>
#include <QUrl>

namespace velinda {

// The operating system's "open": a document or folder in its default
// application, a web address in the browser, a mailto address in the mail
// program. The result is never used.
class ShellService {
 public:
  virtual ~ShellService() = default;
  virtual void open(const QUrl& target) = 0;
};

// Opens through QDesktopServices.
class DesktopShell : public ShellService {
 public:
  void open(const QUrl& target) override;
};

// Targets built as proper URLs (percent-encoded where needed).
namespace ShellTarget {
QUrl file(const QString& path);
QUrl web(const QString& address);
// "mailto:" + address, with an optional subject and body.
QUrl mail(const QString& address, const QString& subject = {}, const QString& body = {});
}  // namespace ShellTarget

}  // namespace velinda
