#include "windows/qt_user_interfaces.h"

#include "render/page_style.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tallyworth {

void DialogUserMessages::ShowMessage(const QString& title, const QString& text, MessageIcon icon) {
    const QMessageBox::Icon boxIcon =
        icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool DialogUserMessages::AskYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    // The user asked for the worksheet; Enter goes on with it, Esc drops it.
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

ColorValue DialogColorChooser::ChooseColor(ColorValue current) {
    const QColor chosen = QColorDialog::getColor(
        ToQColor(current), QApplication::activeWindow(),
        QCoreApplication::translate("tallyworth::DialogColorChooser", "Color Picker"));
    return chosen.isValid() ? FromQColor(chosen) : current;
}

std::optional<QString> DialogFileChooser::ChooseSaveFile() {
    QFileDialog dialog(QApplication::activeWindow(),
                       QCoreApplication::translate("tallyworth::DialogFileChooser", "Save as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(
        QCoreApplication::translate("tallyworth::DialogFileChooser", "PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

PrintOutcome SystemPageOutput::Print(const PageControls& page) {
    return PrintPageOnDefaultPrinter(page);
}

PrintOutcome SystemPageOutput::SaveAsPdf(const PageControls& page, const QString& fileName) {
    return SavePageAsPdf(page, fileName);
}

}  // namespace tallyworth
