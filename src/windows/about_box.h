#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPixmap>
#include <QString>

namespace tallyworth {

// "Version 1.2.2 BETA" from the version record's parts; leading zeros go.
QString VersionText(const QString& major, const QString& minor, const QString& revision);

// The program's logo, drawn rather than stored: a small worksheet with a sum on it.
QPixmap DrawLogo();

// A read-only address box whose whole text is selected by a click, ready to copy.
class SelectAllLineEdit final : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The About box: title, version, dedication, contact address. Modeless; deletes
// itself when closed, so the next opening shows it freshly loaded.
class AboutBox final : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);

  private:
    void BuildControls();
    void Load();
};

}  // namespace tallyworth
