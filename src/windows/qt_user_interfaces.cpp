#include "windows/qt_user_interfaces.h"

#include "printing/class_set_printing.h"
#include "render/class_set_output.h"
#include "render/page_style.h"
#include "windows/class_set_dialog.h"
#include "windows/sheet_code_dialog.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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

std::unique_ptr<QPrinter> DialogPrinterChooser::ChoosePrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(JobTitle());
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    // A class set is printed whole: no page ranges, no selection.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return printer;
}

std::optional<QString> DialogSheetCodeAsker::AskSheetCode() {
    SheetCodeDialog dialog(QApplication::activeWindow());
    dialog.SetTyped(lastTyped_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    lastTyped_ = dialog.Typed();
    return lastTyped_;
}

std::optional<ClassSetChoice> DialogClassSetAsker::AskClassSet() {
    ClassSetDialog dialog(QApplication::activeWindow());
    if (lastChoice_) {
        dialog.SetChoice(*lastChoice_);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    lastChoice_ = dialog.Choice();
    return lastChoice_;
}

PrintOutcome SystemPageOutput::Print(const PageMaker& pages) {
    return PrintPagesOnDefaultPrinter(pages);
}

PrintOutcome SystemPageOutput::SaveAsPdf(const PageMaker& pages, const QString& fileName,
                                         const QString& sheetCode) {
    return SavePagesAsPdf(pages, fileName, sheetCode);
}

PrintOutcome SystemPageOutput::WriteClassSetPdf(const ClassSetRequest& request,
                                                QPageSize::PageSizeId paper,
                                                const QString& fileName, SetProgress& progress) {
    return tallyworth::WriteClassSetPdf(request, QPageSize(paper), fileName, progress);
}

PrintOutcome SystemPageOutput::PrintClassSet(const ClassSetRequest& request, QPrinter& printer,
                                             SetProgress& progress) {
    return tallyworth::PrintClassSet(request, printer, progress);
}

}  // namespace tallyworth
