namespace velinda {

#pragma once

class MessageService;
class ShellService;

// The seams the screens use: the stand-in put in place with
// Installed<MessageService> or Installed<ShellService> (see
// platform/installed.h), or the real one when none is.
namespace Services {

MessageService& messages();

ShellService& shell();

}  // namespace Services

}  // namespace velinda
