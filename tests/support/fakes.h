#pragma once
// Scripted stand-ins for the message boxes and the platform, shared by every test folder.
#include <deque>
#include <string>
#include <vector>

#include "core/services.h"
#include "core/texttable.h"

namespace wattora::testing {

struct ShownMessage {
  std::string window;
  MessageKind kind;
  std::string text;
  MessageButtons buttons;
};

// Records faults of the built-in tables instead of ending the process.
struct RecordingSink : FatalErrorSink {
  std::vector<std::string> messages;
  void Fatal(const std::string& message) override { messages.push_back(message); }
};

class FakeMessages : public Messages {
 public:
  MessageAnswer Show(const TextTable& owner, MessageKind kind, const std::string& text,
                     MessageButtons buttons) override {
    shown.push_back({owner.Window(), kind, text, buttons});
    if (!answers.empty()) {
      const MessageAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    switch (buttons) {
      case MessageButtons::YesNo:
      case MessageButtons::YesNoCancel:
      case MessageButtons::Yes: return MessageAnswer::Yes;
      default: return MessageAnswer::Ok;
    }
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const ShownMessage& m : shown) out.push_back(m.text);
    return out;
  }

  std::vector<ShownMessage> shown;
  std::deque<MessageAnswer> answers;  // answered in order, then the first button
};

class FakePlatform : public Platform {
 public:
  void Beep() override { ++beeps; }
  bool StartCalculator() override { ++calculators; return true; }
  bool OpenUrl(const std::string& url) override { urls.push_back(url); return true; }
  int SendMail(const MailRequest& request) override { mails.push_back(request); return mailResult; }
  std::string TemporaryFolder() override { return temporaryFolder; }

  int beeps = 0;
  int calculators = 0;
  int mailResult = 0;
  std::vector<std::string> urls;
  std::vector<MailRequest> mails;
  std::string temporaryFolder = "/tmp";
};

}  // namespace wattora::testing
