#pragma once

namespace brindle {

// The main window, its menu bar and the calculator shown in it.

// Creates window 0 at the saved position with its menu bar.
void OpenMainWindow();
// Makes a calculator current: saves the choice, removes the old page, lays out the new one.
void ShowCalculator(int calculatorId);
// Lays out the page of the calculator shown (CalcW); an id that names no
// calculator lays out nothing.
void LayOutCalculator();
// Lets the page shown follow a change of its drop-down `changed`.
void ArrangeShownPage(int changed);
// Runs the calculation of the calculator shown, if there is one.
void RunCalculation();
// Empties every edit field of the page shown, result fields included.
void ClearPage();
// Keeps the main window's new position in the settings file.
void SaveMainPosition();

}  // namespace brindle
