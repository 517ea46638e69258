#pragma once
// What every window shares: its text table applied by object name, screen scaling, and the
// Qt forms of the message and platform services.
#include <QString>
#include <QWidget>

#include "core/services.h"
#include "core/texttable.h"

namespace wattora {

// UTF-8 text of the active language as a QString.
QString QText(const TextTable& table, std::string_view key);
QString QCaption(const TextTable& table, std::string_view component);

// Captions, hints, list items, other strings and the font of `window`'s table, by object name.
// The window title is the entry keyed by the window's class name.
void ApplyTextTable(QWidget* window, const TextTable& table);

// Anchors and alignment of a control placed without a layout, as the scaling reads them.
enum Anchor { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };
enum class ControlAlign { None, Left, Right, Top, Bottom, Client };
void SetAnchors(QWidget* control, int anchors);
void SetControlAlign(QWidget* control, ControlAlign align);

// Scales a window designed at `designDpi` to the screen (or to `screenDpi` when given).
// Controls managed by a layout follow their layout; placed controls follow their anchors.
void ScaleFormToScreen(QWidget* form, int designDpi = 96, int screenDpi = 0);

class QtMessages : public Messages {
 public:
  MessageAnswer Show(const TextTable& owner, MessageKind kind, const std::string& text,
                     MessageButtons buttons) override;
};

class QtPlatform : public Platform {
 public:
  void Beep() override;
  bool StartCalculator() override;
  bool OpenUrl(const std::string& url) override;
  int SendMail(const MailRequest& request) override;
  std::string TemporaryFolder() override;

 private:
  std::string temporaryFolder_;
};

}  // namespace wattora
