#include "data/Dane.h"

namespace Dane {

QString ProgramDir;
double ChosenAlphaGas = 0;
double ChosenAlphaLiquid10 = 0;
double ChosenAlphaLiquid25 = 0;
double ScratchSetPressure = 0;
double ScratchRelievingPressure = 0;
double ScratchOverpressure = 0;
QString ChosenValveType;
QString ChosenValveSize;
int ReportY = 0;
int ReportStep = 0;
int ValCode = 0;
bool AirCapacityActive = false;
bool SteamCapacityActive = false;
bool WaterCapacityActive = false;
bool AirSelectionActive = false;
bool SteamSelectionActive = false;
bool WaterSelectionActive = false;
bool MixSelectionActive = false;
bool PowerSelectionActive = false;
bool ExchangerSelectionActive = false;
bool SteamWaterSelectionActive = false;
bool ExpansionSelectionActive = false;
int PrintMode = PrintResults;
int CardIndex = 0;
QString ProgramVersion = QStringLiteral("7.00");

// Each record type's default member initialisers are its start-up defaults.
TFlowAirData FlowAirData;
TFlowWaterData FlowWaterData;
TFlowSteamData FlowSteamData;
TDoborSteamData DoborSteamData;
TMocData MocData;
TDoborMixData DoborMixData;
TWymiennikData WymiennikData;
TParaWodaData ParaWodaData;
TDoborAirData DoborAirData;
TDoborWaterData DoborWaterData;
TEkspansjaData EkspansjaData;

void ResetDefaults() {
    ProgramDir.clear();
    ChosenAlphaGas = ChosenAlphaLiquid10 = ChosenAlphaLiquid25 = 0;
    ScratchSetPressure = ScratchRelievingPressure = ScratchOverpressure = 0;
    ChosenValveType.clear();
    ChosenValveSize.clear();
    ReportY = ReportStep = 0;
    ValCode = 0;
    AirCapacityActive = SteamCapacityActive = WaterCapacityActive = false;
    AirSelectionActive = SteamSelectionActive = WaterSelectionActive = false;
    MixSelectionActive = PowerSelectionActive = ExchangerSelectionActive = false;
    SteamWaterSelectionActive = ExpansionSelectionActive = false;
    PrintMode = PrintResults;
    CardIndex = 0;
    ProgramVersion = QStringLiteral("7.00");

    FlowAirData = {};
    FlowWaterData = {};
    FlowSteamData = {};
    DoborSteamData = {};
    MocData = {};
    DoborMixData = {};
    WymiennikData = {};
    ParaWodaData = {};
    DoborAirData = {};
    DoborWaterData = {};
    EkspansjaData = {};
}

} // namespace Dane
