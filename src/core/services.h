#pragma once
// The two services windows and operations reach the outside world through. Tests install fakes.
#include <string>
#include <vector>

#include "core/parameters.h"

namespace wattora {

class TextTable;

enum class MessageKind { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, Yes };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class Messages {
 public:
  virtual ~Messages() = default;
  // `owner` is the text table of the window that shows the message (title, button captions).
  virtual MessageAnswer Show(const TextTable& owner, MessageKind kind, const std::string& text,
                             MessageButtons buttons) = 0;
};

struct MailRequest {
  std::string address, subject, body, attachment;
};

class Platform {
 public:
  virtual ~Platform() = default;
  virtual void Beep() = 0;
  virtual bool StartCalculator() = 0;
  virtual bool OpenUrl(const std::string& url) = 0;
  // Returns the mail hand-over's result code: 0 success, negative when no mail program exists.
  virtual int SendMail(const MailRequest& request) = 0;
  virtual std::string TemporaryFolder() = 0;
};

// Services for programs without windows (the command line, developer tools): nothing to beep,
// no calculator, no browser, no mail program; messages are printed and answered with OK.
class NullPlatform : public Platform {
 public:
  void Beep() override {}
  bool StartCalculator() override { return false; }
  bool OpenUrl(const std::string&) override { return false; }
  int SendMail(const MailRequest&) override { return -1; }
  std::string TemporaryFolder() override { return "/tmp"; }
};

class StderrMessages : public Messages {
 public:
  MessageAnswer Show(const TextTable& owner, MessageKind kind, const std::string& text,
                     MessageButtons buttons) override;
};

// The system's text for an operating-system error code, shown as a warning with OK.
// Returns true for a zero code (success).
class StderrFatalSink : public FatalErrorSink {
 public:
  void Fatal(const std::string& message) override;
};

bool ShowIOError(int code, Messages& messages, const TextTable& owner);
std::string SystemErrorText(int code);

}  // namespace wattora
