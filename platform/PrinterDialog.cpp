#include "PrinterDialog.h"

#include "Printer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace brennvik {

namespace {
PrinterSetupResponder &Responder() {
    static PrinterSetupResponder responder;
    return responder;
}

bool RunDialog(QPrinter *printer) {
    QPrintDialog dialog(printer, QApplication::activeWindow());
    // Only the printer and its properties are set up here; what to print is
    // always the whole listing.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    dialog.setWindowTitle(QStringLiteral("プリンターの設定"));
    // Choosing prints nothing yet: the button only confirms the choice.
    for (QDialogButtonBox *box : dialog.findChildren<QDialogButtonBox *>())
        if (QPushButton *ok = box->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    return dialog.exec() == QDialog::Accepted;
}
}  // namespace

void SetPrinterSetupResponder(PrinterSetupResponder responder) { Responder() = std::move(responder); }

bool ShowPrinterSetupDialog(int *orientation) {
    Printer &printer = Printer::Instance();
    const int before = printer.Orientation();
    printer.SetOrientation(*orientation);
    const bool ok = Responder() ? Responder()(printer.Device()) : RunDialog(printer.Device());
    if (!ok) {
        printer.SetOrientation(before);
        return false;
    }
    *orientation = printer.Orientation();
    return true;
}

}  // namespace brennvik
