#pragma once
// The company logo picker: shows the logo named by ws.settings.logoFile and lets the user
// pick another picture file. The caller hands the name in and reads it back (VIEWLOGO).
#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "core/services.h"
#include "core/workspace.h"

class QFrame;
class QLabel;
class QToolButton;

namespace wattora {

// The picture types the logo may have, as the file dialog offers them (first one selected).
QStringList LogoPictureFilters();
// True when `path` holds a picture of one of the offered formats that decodes.
bool LoadLogoPicture(const QString& path, QImage* image);

class TCLG : public QDialog {
  Q_OBJECT

 public:
  // Returns the chosen file's full path, or an empty text when the user cancels.
  using FileChooser = std::function<QString(QWidget* parent)>;

  TCLG(Workspace& ws, Messages& messages, QWidget* parent = nullptr);

  // Tests replace the picture-file dialog; the default one shows a preview.
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  bool Loaded() const { return loaded_; }
  bool Accepted() const { return accepted_; }

  QFrame* Panel1;
  QLabel* LG1;
  QToolButton* SpeedButton1;  // OK
  QToolButton* SpeedButton3;  // select file
  QToolButton* SpeedButton2;  // cancel

  void FormShow();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();

 protected:
  void showEvent(QShowEvent* event) override;

 public slots:
  // Escape and any other way out count as Cancel, so the name at opening comes back.
  void reject() override;

 private:
  bool LoadIntoPicture(const std::string& fileName);
  QString RunPictureDialog(QWidget* parent);

  Workspace& ws_;
  Messages& messages_;
  FileChooser chooser_;
  bool loaded_ = false;
  bool accepted_ = false;
  std::string nameAtOpening_;
};

}  // namespace wattora
