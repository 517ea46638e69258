#include "shell/uikit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextEdit>
#include <QUrl>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace wattora {

QString QText(const TextTable& table, std::string_view key) {
  return QString::fromStdString(table.GetText(key));
}

QString QCaption(const TextTable& table, std::string_view component) {
  return QString::fromStdString(table.Caption(component));
}

namespace {

// Tab pages carry their caption in the tab bar of their tab widget.
bool SetTabCaption(QWidget* page, const QString& text) {
  for (QWidget* w = page->parentWidget(); w; w = w->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      const int index = tabs->indexOf(page);
      if (index >= 0) {
        tabs->setTabText(index, text);
        return true;
      }
      return false;
    }
  }
  return false;
}

void SetCaption(QObject* object, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(object)) return label->setText(text);
  if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->setText(text);
  if (auto* group = qobject_cast<QGroupBox*>(object)) return group->setTitle(text);
  if (auto* action = qobject_cast<QAction*>(object)) return action->setText(text);
  if (auto* menu = qobject_cast<QMenu*>(object)) return menu->setTitle(text);
  if (auto* widget = qobject_cast<QWidget*>(object)) {
    if (!SetTabCaption(widget, text)) widget->setWindowTitle(text);
  }
}

void SetHint(QObject* object, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(object)) return action->setToolTip(text);
  if (auto* widget = qobject_cast<QWidget*>(object)) widget->setToolTip(text);
}

void SetLines(QObject* object, const QString& property, const QString& text) {
  if (auto* combo = qobject_cast<QComboBox*>(object)) {
    const int current = combo->currentIndex();
    combo->clear();
    combo->addItems(text.split(','));
    combo->setCurrentIndex(current >= 0 && current < combo->count() ? current : 0);
    return;
  }
  if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) return plain->setPlainText(text);
  if (auto* edit = qobject_cast<QTextEdit*>(object)) return edit->setPlainText(text);
  (void)property;
}

void SetOther(QObject* object, const QString& property, const QString& text) {
  if (property == QLatin1String("Text")) {
    if (auto* edit = qobject_cast<QLineEdit*>(object)) return edit->setText(text);
  }
  // Anything else (filters, link targets, formats) is read by the window's own code.
  object->setProperty(("wattora_" + property).toUtf8().constData(), text);
}

QObject* FindComponent(QWidget* window, const QString& name) {
  if (window->objectName() == name) return window;
  return window->findChild<QObject*>(name);
}

}  // namespace

void ApplyTextTable(QWidget* window, const TextTable& table) {
  const QString className = QString::fromStdString(table.Window());
  for (const TextEntry& e : table.Entries()) {
    const QString key = QString::fromStdString(e.key);
    const QString text = QString::fromStdString(e.language2.empty() ? e.language1 : e.language2);
    if (e.section == "stCaptions") {
      if (key == className) {
        window->setWindowTitle(text);
      } else if (QObject* o = FindComponent(window, key)) {
        SetCaption(o, text);
      }
    } else if (e.section == "stHints") {
      if (QObject* o = FindComponent(window, key)) SetHint(o, text);
    } else if (e.section == "stMultiLines" || e.section == "stOtherStrings") {
      const int dot = key.indexOf('.');
      if (dot < 0) continue;
      QObject* o = FindComponent(window, key.left(dot));
      if (!o) continue;
      if (e.section == "stMultiLines")
        SetLines(o, key.mid(dot + 1), text);
      else
        SetOther(o, key.mid(dot + 1), text);
    } else if (e.section == "stFonts" && key == className) {
      QFont font = window->font();
      font.setFamily(text);  // fontconfig gives the metric-compatible face
      window->setFont(font);
    }
  }
}

void SetAnchors(QWidget* control, int anchors) { control->setProperty("wattora_anchors", anchors); }

void SetControlAlign(QWidget* control, ControlAlign align) {
  control->setProperty("wattora_align", static_cast<int>(align));
}

namespace {

int Anchors(const QWidget* w) {
  const QVariant v = w->property("wattora_anchors");
  return v.isValid() ? v.toInt() : (AnchorLeft | AnchorTop);
}

ControlAlign AlignOf(const QWidget* w) {
  const QVariant v = w->property("wattora_align");
  return v.isValid() ? static_cast<ControlAlign>(v.toInt()) : ControlAlign::None;
}

bool IsSingleLineText(const QWidget* w) { return qobject_cast<const QLineEdit*>(w) != nullptr; }

struct Scaler {
  int m, d;
  int operator()(int v) const { return (v * m + d / 2) / d; }
};

// One axis of a control that is not aligned. The far margin is the one the control had before
// its parent grew: anchors keep it while the parent is resized.
void ScaleAxis(const Scaler& scale, int oldParentSize, int parentSize, int& pos, int& size,
               bool nearAnchor, bool farAnchor, bool keepSize) {
  const int margin = oldParentSize - size - pos;
  if (nearAnchor) {
    pos = scale(pos);
    if (!keepSize) size = farAnchor ? (parentSize - pos) - scale(margin) : scale(size);
  } else if (farAnchor) {
    if (!keepSize) size = scale(size);
    pos = (parentSize - size) - scale(margin);
  } else {
    pos = scale(pos);
    if (!keepSize) size = scale(size);
  }
}

// The parent's size before and after scaling: a window not yet shown may report either.
void ScaleChildren(QWidget* parent, QSize oldSize, QSize parentSize, const Scaler& scale) {
  const bool laidOut = parent->layout() != nullptr;
  for (QObject* o : parent->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->isWindow()) continue;
    if (!laidOut) {
      const int W = parentSize.width(), H = parentSize.height();
      const int oldW = oldSize.width(), oldH = oldSize.height();
      QRect g = w->geometry();
      int x = g.x(), y = g.y(), width = g.width(), height = g.height();
      const int a = Anchors(w);
      const bool keepHeight = IsSingleLineText(w);
      switch (AlignOf(w)) {
        case ControlAlign::Left:
        case ControlAlign::Right: {
          const bool stretch = AlignOf(w) == ControlAlign::Left ? (a & AnchorRight) : (a & AnchorLeft);
          width = stretch ? W - scale(oldW - width) : scale(width);
          break;
        }
        case ControlAlign::Top:
        case ControlAlign::Bottom: {
          const bool stretch = AlignOf(w) == ControlAlign::Top ? (a & AnchorBottom) : (a & AnchorTop);
          if (!keepHeight) height = stretch ? H - scale(oldH - height) : scale(height);
          break;
        }
        case ControlAlign::Client:
          break;
        case ControlAlign::None:
          ScaleAxis(scale, oldW, W, x, width, a & AnchorLeft, a & AnchorRight, false);
          ScaleAxis(scale, oldH, H, y, height, a & AnchorTop, a & AnchorBottom, keepHeight);
          break;
      }
      const QSize old = w->size();
      w->setGeometry(x, y, width, height);
      ScaleChildren(w, old, QSize(width, height), scale);
    } else {
      ScaleChildren(w, w->size(), w->size(), scale);
    }
  }
}

}  // namespace

void ScaleFormToScreen(QWidget* form, int designDpi, int screenDpi) {
  if (!form) return;
  if (screenDpi <= 0) {
    const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    screenDpi = screen ? qRound(screen->logicalDotsPerInch()) : designDpi;
  }
  if (screenDpi == designDpi || designDpi <= 0) return;
  const Scaler scale{screenDpi, designDpi};
  const QSize old = form->size();
  const QSize size(scale(old.width()), scale(old.height()));
  if (form->minimumSize() == form->maximumSize())
    form->setFixedSize(size);  // a fixed-size window refuses a plain resize
  else
    form->resize(size);
  ScaleChildren(form, old, size, scale);
}

MessageAnswer QtMessages::Show(const TextTable& owner, MessageKind kind, const std::string& text,
                               MessageButtons buttons) {
  const auto dialogText = [&owner](const char* english) {
    const std::string t = owner.Text("stDlgsCaptions", english);
    return QString::fromStdString(t.empty() ? std::string(english) : t);
  };
  QMessageBox box(QApplication::activeWindow());
  switch (kind) {
    case MessageKind::Error:
      box.setIcon(QMessageBox::Critical);
      box.setWindowTitle(dialogText("Error"));
      break;
    case MessageKind::Warning:
      box.setIcon(QMessageBox::Warning);
      box.setWindowTitle(dialogText("Warning"));
      break;
    case MessageKind::Information:
      box.setIcon(QMessageBox::Information);
      box.setWindowTitle(dialogText("Information"));
      break;
    case MessageKind::Confirmation:
      box.setIcon(QMessageBox::Question);
      box.setWindowTitle(dialogText("Confirm"));
      break;
  }
  QString body = QString::fromStdString(text);
  body.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
  box.setText(body);
  const auto add = [&](const char* caption, QMessageBox::ButtonRole role) {
    return box.addButton(dialogText(caption), role);
  };
  QAbstractButton* ok = nullptr;
  QAbstractButton* cancel = nullptr;
  QAbstractButton* yes = nullptr;
  QAbstractButton* no = nullptr;
  switch (buttons) {
    case MessageButtons::Ok: ok = add("OK", QMessageBox::AcceptRole); break;
    case MessageButtons::OkCancel:
      ok = add("OK", QMessageBox::AcceptRole);
      cancel = add("Cancel", QMessageBox::RejectRole);
      break;
    case MessageButtons::Yes: yes = add("Yes", QMessageBox::AcceptRole); break;
    case MessageButtons::YesNo:
      yes = add("Yes", QMessageBox::YesRole);
      no = add("No", QMessageBox::NoRole);
      break;
    case MessageButtons::YesNoCancel:
      yes = add("Yes", QMessageBox::YesRole);
      no = add("No", QMessageBox::NoRole);
      cancel = add("Cancel", QMessageBox::RejectRole);
      break;
  }
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked && clicked == yes) return MessageAnswer::Yes;
  if (clicked && clicked == no) return MessageAnswer::No;
  if (clicked && clicked == ok) return MessageAnswer::Ok;
  if (cancel) return MessageAnswer::Cancel;
  if (no) return MessageAnswer::No;
  return yes ? MessageAnswer::Yes : MessageAnswer::Ok;
}

void QtPlatform::Beep() { QApplication::beep(); }

bool QtPlatform::StartCalculator() {
  for (const char* program :
       {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "xcalc"}) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
    if (!path.isEmpty()) return QProcess::startDetached(path, {});
  }
  return false;
}

bool QtPlatform::OpenUrl(const std::string& url) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

int QtPlatform::SendMail(const MailRequest& request) {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
  if (program.isEmpty()) return -1;
  QStringList args{QStringLiteral("--subject"), QString::fromStdString(request.subject),
                   QStringLiteral("--body"), QString::fromStdString(request.body)};
  if (!request.attachment.empty())
    args << QStringLiteral("--attach") << QString::fromStdString(request.attachment);
  if (!request.address.empty()) args << QString::fromStdString(request.address);
  QProcess process;
  process.start(program, args);
  if (!process.waitForFinished(60000)) return -2;
  return process.exitCode();
}

std::string QtPlatform::TemporaryFolder() {
  if (!temporaryFolder_.empty()) return temporaryFolder_;
  // A private folder per user. A folder of that name that is not ours (made by someone else,
  // a link, open to others) is never used: a fresh unique one takes its place.
  const QByteArray path =
      (QDir::tempPath() + QStringLiteral("/wattora-") + QString::number(getuid())).toLocal8Bit();
  mkdir(path.constData(), 0700);
  struct stat info {};
  if (lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
      (info.st_mode & 077) == 0) {
    temporaryFolder_ = path.toStdString();
    return temporaryFolder_;
  }
  QByteArray unique = (QDir::tempPath() + QStringLiteral("/wattora-XXXXXX")).toLocal8Bit();
  if (mkdtemp(unique.data())) temporaryFolder_ = unique.toStdString();
  return temporaryFolder_;
}

}  // namespace wattora
