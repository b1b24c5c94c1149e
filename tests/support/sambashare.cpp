#include "support/sambashare.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

const QString kShare = u"velinda"_s;

bool writeFile(const QString& path, const QString& text, QFileDevice::Permissions permissions) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  file.write(text.toUtf8());
  file.close();
  return file.setPermissions(permissions);
}

// True when a server answers on 127.0.0.1, port 445.
bool portTaken() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(445);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool answered = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return answered;
}

}  // namespace

SambaShare::SambaShare(int desks) {
  if (::geteuid() != 0) {
    whyNot_ = u"a Samba share on port 445 and FUSE mounts need root"_s;
    return;
  }
  for (const QString& program : {u"smbd"_s, u"smbnetfs"_s, u"fusermount"_s}) {
    if (QStandardPaths::findExecutable(program).isEmpty() &&
        QStandardPaths::findExecutable(program, {u"/usr/sbin"_s}).isEmpty()) {
      whyNot_ = program + u" is not installed (Debian packages samba, smbnetfs)"_s;
      return;
    }
  }
  if (!QFileInfo::exists(u"/dev/fuse"_s)) {
    whyNot_ = u"this machine has no /dev/fuse"_s;
    return;
  }
  if (portTaken()) {
    whyNot_ = u"another server already listens on port 445"_s;
    return;
  }
  if (!root_.isValid() || !startServer()) return;
  for (int desk = 1; desk <= desks; ++desk) {
    if (!mount(desk)) return;
  }
}

SambaShare::~SambaShare() {
  for (const QString& point : mounted_) {
    QProcess::execute(u"fusermount"_s, {u"-u"_s, u"-z"_s, point});
  }
  if (server_.state() != QProcess::NotRunning) {
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill();
    server_.waitForFinished();
  }
}

bool SambaShare::startServer() {
  const QString base = root_.path() + u'/';
  for (const QString& folder :
       {u"run"_s, u"lock"_s, u"state"_s, u"cache"_s, u"private"_s, u"share"_s, u"home/.smb"_s})
    QDir().mkpath(base + folder);
  QFile::setPermissions(base + u"share"_s, QFileDevice::Permissions(0x7777));
  const QString config =
      u"[global]\n"
      "  workgroup = WORKGROUP\n"
      "  server role = standalone server\n"
      "  map to guest = Bad User\n"
      "  smb ports = 445\n"
      "  interfaces = 127.0.0.1\n"
      "  bind interfaces only = yes\n"
      "  pid directory = %1run\n"
      "  lock directory = %1lock\n"
      "  state directory = %1state\n"
      "  cache directory = %1cache\n"
      "  private dir = %1private\n"
      "  ncalrpc dir = %1run/ncalrpc\n"
      "  log file = %1samba.log\n"
      "  load printers = no\n"
      "  disable spoolss = yes\n"
      "  printcap name = /dev/null\n"
      "[%2]\n"
      "  path = %1share\n"
      "  read only = no\n"
      "  guest ok = yes\n"
      "  force user = root\n"_s.arg(base, kShare);
  if (!writeFile(base + u"smb.conf"_s, config, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
    whyNot_ = u"cannot write the Samba configuration"_s;
    return false;
  }
  const QString smbd = QStandardPaths::findExecutable(u"smbd"_s, {u"/usr/sbin"_s});
  server_.setProcessChannelMode(QProcess::MergedChannels);
  // In a process group of its own (smbd's default), which it signals as it
  // stops, rather than in the test's.
  server_.start(smbd, {u"--foreground"_s, u"-s"_s, base + u"smb.conf"_s});
  const QDeadlineTimer deadline(15000);
  while (!portTaken()) {
    if (server_.state() == QProcess::NotRunning || deadline.hasExpired()) {
      whyNot_ = u"smbd did not start: "_s + QString::fromLocal8Bit(server_.readAll());
      return false;
    }
    QThread::msleep(100);
  }
  // The client side: libsmbclient as smbnetfs uses it, as a guest.
  const QString home = base + u"home/.smb/"_s;
  writeFile(home + u"smb.conf"_s, u"[global]\n  client min protocol = SMB2\n"_s,
            QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  writeFile(home + u"smbnetfs.conf"_s, u"auth \"guest\" \"\"\nsmb_query_browsers \"false\"\n"_s,
            QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return true;
}

bool SambaShare::mount(int number) {
  const QString point = root_.path() + u"/desk"_s + QString::number(number);
  QDir().mkpath(point);
  QProcess smbnetfs;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(u"HOME"_s, root_.path() + u"/home"_s);
  smbnetfs.setProcessEnvironment(environment);
  smbnetfs.setProcessChannelMode(QProcess::MergedChannels);
  smbnetfs.start(u"smbnetfs"_s, {point});
  if (!smbnetfs.waitForFinished(15000) || smbnetfs.exitCode() != 0) {
    whyNot_ =
        u"smbnetfs could not mount the share: "_s + QString::fromLocal8Bit(smbnetfs.readAll());
    return false;
  }
  mounted_ << point;
  // The first look at the share connects to the server.
  const QDeadlineTimer deadline(15000);
  while (!QFileInfo(desk(number)).isDir()) {
    if (deadline.hasExpired()) {
      whyNot_ = u"the share does not appear through smbnetfs at "_s + desk(number);
      return false;
    }
    QThread::msleep(100);
  }
  return true;
}

QString SambaShare::desk(int number) const {
  return root_.path() + u"/desk"_s + QString::number(number) + u"/127.0.0.1/"_s + kShare + u'/';
}

QString SambaShare::serverFolder() const { return root_.path() + u"/share/"_s; }

}  // namespace velinda
