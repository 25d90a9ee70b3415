#pragma once
// The main window, its menu bar and the calculator shown in it.

// Creates window 0 at the saved position with its menu bar.
void OpenMainWindow();
// Makes a calculator current: saves the choice, removes the old page, lays out the new one.
void ShowCalculator(int calculatorId);
// Lays out the page of a calculator id; ids without a page lay out nothing.
void LayOutCalculator(int calculatorId);
// Runs the Calc button's calculation of the calculator shown, if it has one.
void RunCalculation(int calculatorId);
// Destroys every control with an id from 0 to 107.
void RemovePage();
// Empties every edit field with an id from 0 to 107, result fields included.
void ClearPage();
// Keeps the main window's new position in the settings file.
void SaveMainPosition();
