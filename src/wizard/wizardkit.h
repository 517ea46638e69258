#pragma once
// Small pieces the estimation window and the calculation overview are built from.
#include <QLabel>
#include <QPixmap>

class QLineEdit;
class QPushButton;

namespace wattora {

// Arial 8 pt: the windows were laid out for it at 96 dpi.
void UseDesignFont(QWidget* window);

QLabel* NamedLabel(QWidget* parent, const char* name, Qt::Alignment alignment = {});
QPushButton* NamedButton(QWidget* parent, const char* name);
QLineEdit* NamedEdit(QWidget* parent, const char* name, int maxLength);
void SetTextColour(QWidget* widget, const QColor& colour);
void SetBold(QWidget* widget);

// A maximum length limits what the user types, not what the program puts in: a longer text
// read from a project file or normalised by the range check is kept whole.
void SetEditText(QLineEdit* edit, const QString& text);

// A label that acts like a web link: blue, underlined, hand cursor, clicked on release.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The pictures of the pages, drawn in code.
QPixmap DrawPageLogo(QSize size);
QPixmap DrawFanPicture(QSize size);

}  // namespace wattora
