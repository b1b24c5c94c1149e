#include "platform/shellservice.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace velinda {

using namespace Qt::StringLiterals;

void DesktopShell::open(const QUrl& target) { QDesktopServices::openUrl(target); }

namespace ShellTarget {

QUrl file(const QString& path) { return QUrl::fromLocalFile(path); }

QUrl web(const QString& address) { return QUrl(address); }

QUrl mail(const QString& address, const QString& subject, const QString& body) {
  QUrl url;
  url.setScheme(u"mailto"_s);
  url.setPath(address);
  QUrlQuery query;
  if (!subject.isEmpty()) query.addQueryItem(u"subject"_s, subject);
  if (!body.isEmpty()) query.addQueryItem(u"body"_s, body);
  if (!query.isEmpty()) url.setQuery(query);
  return url;
}

}  // namespace ShellTarget

}  // namespace velinda
