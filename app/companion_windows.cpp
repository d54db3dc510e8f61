// SPDX-License-Identifier: MIT
#include "app/companion_windows.h"

#include "app/about_window.h"
#include "app/calculator_window.h"
#include "app/legend_window.h"
#include "app/library_dialog.h"
#include "app/main_menus.h"
#include "app/powder_window.h"
#include "app/reference_window.h"
#include "app/structure_file_part.h"
#include "logic/data_location.h"

namespace vestrel {

CompanionWindows::CompanionWindows(QWidget& window, QWidget& panel, MainMenus& menus)
    : QObject(&window), window_(window), panel_(panel), menus_(menus)
{
}

void CompanionWindows::setAuxiliaryWindows(AboutWindow* about, LegendWindow* legend, ReferenceWindow* reference)
{
    about_ = about;
    legend_ = legend;
    reference_ = reference;
    menus_.enable(Command::Reference, true);
    menus_.enable(Command::About, true);
    menus_.enable(Command::Legend, true);
    menus_.bind(Command::Reference, [this] { showReference(); });
    menus_.bind(Command::Legend, [this] { showLegend(); });
    menus_.bind(Command::About, [this] { showAbout(); });
}

void CompanionWindows::bindLibrary(const QString& programDir, std::function<void(const QString&)> open)
{
    menus_.bind(Command::StructureLibrary, [this, programDir, open] {
        if (!library_) {
            library_ = new LibraryDialog(&window_, LocateStructureLibrary(programDir));
            connect(library_, &LibraryDialog::structureChosen, this, open);
        }
        library_->exec();
    });
}

void CompanionWindows::showReference()
{
    if (reference_)
        reference_->present();
}

void CompanionWindows::showLegend()
{
    if (legend_)
        legend_->presentBeside(panel_.width());
}

void CompanionWindows::showAbout()
{
    if (about_)
        about_->showCentredOn(&window_);
}

void CompanionWindows::setCalculator(CalculatorWindow* calculator)
{
    if (calculator_ || !calculator)
        return;
    calculator_ = calculator;
    menus_.enable(Command::Calculator, true);
    menus_.bind(Command::Calculator, [this] {
        calculator_->show();
        calculator_->raise();
        calculator_->activateWindow();
    });
}

void CompanionWindows::setPowderWindow(PowderWindow* powder, StructureFilePart& structureFile)
{
    menus_.enable(Command::Powder, true);
    menus_.bind(Command::Powder, [powder] { powder->showPowder(); });
    const auto follow = [&structureFile, powder] {
        powder->setStructure(structureFile.shown() ? &structureFile.structure() : nullptr, structureFile.path());
    };
    connect(&structureFile, &StructureFilePart::shownChanged, powder, follow);
    follow();
}

} // namespace vestrel
