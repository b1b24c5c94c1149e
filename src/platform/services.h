#pragma once

class MessageService;
class ShellService;

// The seams the screens use. The program installs the real ones at start;
// tests install recording doubles. Without an installed one, the real one
// is used.
namespace Services {

MessageService& messages();
void setMessages(MessageService* service);

ShellService& shell();
void setShell(ShellService* service);

}  // namespace Services
