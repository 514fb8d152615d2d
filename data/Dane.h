#pragma once
// Everything that outlives a single window event: one calculation record per
// calculation window and the values the windows share. All of it is created with
// its defaults before the first window exists and lives until the program ends;
// nothing is saved between runs.

#include "data/Records.h"

#include <QString>

namespace Dane {

// Directory of the running executable with its trailing separator; every data,
// bitmap, card and help file name is prefixed with it.
extern QString ProgramDir;

// The valve last chosen in the valve choice dialog.
extern double ChosenAlphaGas;      // discharge coefficient for steam and gases
extern double ChosenAlphaLiquid10; // discharge coefficient for liquids at 10 % overpressure
extern double ChosenAlphaLiquid25; // ... at 25 % overpressure (0 = none)

// Scratch values of the p1 = p × (1 + b1/100) display.
extern double ScratchSetPressure;       // p [bar gauge]
extern double ScratchRelievingPressure; // p1 [bar gauge]
extern double ScratchOverpressure;      // b1 [%]

extern QString ChosenValveType; // type text chosen in either choice dialog
extern QString ChosenValveSize; // size text chosen in the valve choice dialog

// Vertical origin and line step of the report body being drawn.
extern int ReportY;
extern int ReportStep;

// Result code of the last decimal conversion done by a computation or a p1 display.
extern int ValCode;

// Which capacity window was activated last.
extern bool AirCapacityActive;
extern bool SteamCapacityActive;
extern bool WaterCapacityActive;

// Which selection window was activated last.
extern bool AirSelectionActive;
extern bool SteamSelectionActive;
extern bool WaterSelectionActive;
extern bool MixSelectionActive;
extern bool PowerSelectionActive;
extern bool ExchangerSelectionActive;
extern bool SteamWaterSelectionActive;
extern bool ExpansionSelectionActive;

// 0 = print the results, 1 = print the results and the catalogue card,
// 2 = create a PDF file.
enum : int { PrintResults = 0, PrintResultsAndCard = 1, CreatePdf = 2 };
extern int PrintMode;

// Catalogue card of the chosen valve type, 0 to 5.
extern int CardIndex;

extern QString ProgramVersion;

// Sets every record and shared value back to its start-up default (the state
// the program starts every run with).
void ResetDefaults();

// The eleven calculation records, one per calculation window.
extern TFlowAirData FlowAirData;
extern TFlowWaterData FlowWaterData;
extern TFlowSteamData FlowSteamData;
extern TDoborSteamData DoborSteamData;
extern TMocData MocData;
extern TDoborMixData DoborMixData;
extern TWymiennikData WymiennikData;
extern TParaWodaData ParaWodaData;
extern TDoborAirData DoborAirData;
extern TDoborWaterData DoborWaterData;
extern TEkspansjaData EkspansjaData;

} // namespace Dane
