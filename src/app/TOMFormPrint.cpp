// Printing and preview from the file menu and the tool bars.

#include "app/TOMForm.h"
#include "app/TPrintCommands.h"

void TOMForm::InstallPrintCommands() {
    print_ = new TPrintCommands(this);
    connect(Command("PrintPrevM"), &QAction::triggered, this, &TOMForm::PrintPrevMClick);
    connect(Command("PrintDlgM"), &QAction::triggered, this, &TOMForm::PrintDlgMClick);
    connect(Command("PrintM"), &QAction::triggered, this, &TOMForm::PrintMClick);
    for (const char* name : {"PrintPrevM", "PrintDlgM", "PrintM"})
        EnableCommand(QString::fromLatin1(name), true);
}

void TOMForm::PrintPrevMClick() {
    print_->PrintPrevMClick();
}

void TOMForm::PrintDlgMClick() {
    print_->PrintDlgMClick();
}

void TOMForm::PrintMClick() {
    print_->PrintMClick();
}
