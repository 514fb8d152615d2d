#pragma once
// The calculation records, one per calculation window. A window fills its fields
// from its record when shown and writes the record when it computes, so the record
// is the window's memory across openings and the source of its report.
//
// Numbers are doubles, texts are strings, flags are bools, counts are 32-bit ints.
// The default member initialisers are the start-up defaults: the records are plain
// aggregates, and value-initialising one (`record = {}`) restores them.
// Pressures are gauge pressures in bar unless stated otherwise.

#include <QString>

// Capacity of one chosen valve relieving air ("Przepustowość - powietrze").
struct TFlowAirData {
    double Overpressure = 10.0;   // b1, overpressure above the set pressure [%]
    double RelievingTemp = 20.0;  // t1, relieving temperature [°C]
    double RelievingPressure = 0; // p1 = p × (1 + b1/100) [bar gauge]
    double BackPressure = 0;      // p2, back pressure, 0 for discharge to atmosphere [bar gauge]
    QString ValveType;            // valve type text
    QString ValveSize;            // valve size text
    double FlowDiameter = 0;      // d, narrowest flow diameter [mm]
    double SetPressure = 0;       // p, set pressure [bar gauge]
    double AlphaGas = 0;          // α, discharge coefficient for steam and gases [–]
    double Capacity = 0;          // m, mass capacity [kg/h]
    double VolumeCapacity = 0;    // V = 0.773 × m, capacity at normal conditions [Nm³/h]
};

// Capacity of one chosen valve relieving water ("Przepustowość - woda").
struct TFlowWaterData {
    double Overpressure = 10.0;   // b1, overpressure above the set pressure [%]
    double RelievingTemp = 20.0;  // t1, relieving temperature [°C]
    double RelievingPressure = 0; // p1 = p × (1 + b1/100) [bar gauge]
    double BackPressure = 0;      // p2, back pressure, 0 for discharge to atmosphere [bar gauge]
    QString ValveType;            // valve type text
    QString ValveSize;            // valve size text
    double FlowDiameter = 0;      // d, narrowest flow diameter [mm]
    double SetPressure = 0;       // p, set pressure [bar gauge]
    double AlphaLiquid10 = 0;     // αc, liquid discharge coefficient at 10 % overpressure [–]
    double AlphaLiquid25 = 0;     // αc, liquid coefficient at 25 % overpressure, 0 = none [–]
    double Capacity = 0;          // m, mass capacity [kg/h]
    double VolumeCapacity = 0;    // V = m / ρ, volumetric capacity [m³/h]
};

// Capacity of one chosen valve relieving dry saturated steam ("Przepustowość - para wodna").
struct TFlowSteamData {
    double Overpressure = 10.0;      // b1, overpressure above the set pressure [%]
    double SaturationTemp = 0;       // T1, saturation temperature at p1 [K]
    double RelievingPressure = 0;    // p1 = p × (1 + b1/100) [bar gauge]
    double BackPressure = 0;         // p2, back pressure, 0 for discharge to atmosphere [bar gauge]
    QString ValveType;               // valve type text
    QString ValveSize;               // valve size text
    double FlowDiameter = 0;         // d, narrowest flow diameter [mm]
    double SetPressure = 0;          // p, set pressure [bar gauge]
    double AlphaGas = 0;             // α, discharge coefficient for steam and gases [–]
    double Capacity = 0;             // m, mass capacity [kg/h]
    double VolumeCapacity = 0;       // V = m / ρ'', 0 when ρ'' is 0 [m³/h]
    double HeatPower = 0;            // N = m × r / 3600, heat power the valve relieves [kW]
    double SteamEnthalpy = 0;        // h'', enthalpy of saturated steam at p1 [kJ/kg]
    double BoilingWaterEnthalpy = 0; // h', enthalpy of boiling water at p1 [kJ/kg]
    double SteamDensity = 0;         // ρ'', density of saturated steam at p1 [kg/m³]
    double BoilingWaterDensity = 0;  // ρ', density of boiling water at p1 [kg/m³]
    double LatentHeat = 0;           // r, latent heat of evaporation at p1 [kJ/kg]
};

// Selection of a valve for dry saturated steam ("Dobór zaworu - para wodna nasycona").
struct TDoborSteamData {
    double Overpressure = 10.0;   // b1, overpressure above the set pressure [%]
    double SaturationTemp = 0;    // T1, saturation temperature at p1 [K]
    double RelievingPressure = 0; // p1 = p × (1 + b1/100) [bar gauge]
    double BackPressure = 0;      // p2, back pressure [bar gauge]
    QString ValveType;            // valve type text, also the name of its valve data file
    QString ValveSize;            // size name of the selected valve
    double FlowDiameter = 0;      // d, narrowest flow diameter of the selected size [mm]
    double SetPressure = 0;       // p, set pressure [bar gauge]
    double AlphaGas = 0;          // α, discharge coefficient for steam and gases [–]
    double RequiredCapacity = 0;  // mw, required relieving capacity [kg/h]
    double Capacity = 0;          // m, capacity of the selected size [kg/h]
    double HeatPower = 0;         // N = r × m / 3600 [kW]
    double LatentHeat = 0;        // r, latent heat of evaporation at p1 [kJ/kg]
};

// Selection of a steam source's valve from its heat power ("Dobór zaworu - moc cieplna (para)").
struct TMocData {
    double Overpressure = 10.0;   // b1, overpressure above the set pressure [%]
    double SaturationTemp = 0;    // T1, saturation temperature at p1 [K]
    double RelievingPressure = 0; // p1 = p × (1 + b1/100) [bar gauge]
    double BackPressure = 0;      // p2, back pressure [bar gauge]
    QString ValveType;            // valve type text, also the name of its valve data file
    QString ValveSize;            // size name of the selected valve
    double FlowDiameter = 0;      // d, narrowest flow diameter of the selected size [mm]
    double SetPressure = 0;       // p, set pressure [bar gauge]
    double AlphaGas = 0;          // α, discharge coefficient for steam and gases [–]
    double RequiredPower = 0;     // Nw, required heat power [kW]
    double HeatPower = 0;         // N = r × m / 3600 of the selected size [kW]
    double Capacity = 0;          // m, steam capacity of the selected size [kg/h]
    double LatentHeat = 0;        // r, latent heat of evaporation at p1 [kJ/kg]
};

// Selection of a valve relieving a steam and boiling-water mixture from the heat power
// ("Dobór zaworu - moc cieplna (para + woda)").
struct TDoborMixData {
    double Overpressure = 10.0;   // b1, overpressure above the set pressure [%]
    double SaturationTemp = 0;    // T1, saturation temperature at p1 [K]
    double RelievingPressure = 0; // p1 = p × (1 + b1/100) [bar gauge]
    double BackPressure = 0;      // p2, back pressure [bar gauge]
    QString ValveType;            // valve type text, also the name of its valve data file
    QString ValveSize;            // size name of the found valve
    double FlowDiameter = 0;      // d, narrowest flow diameter of the found size [mm]
    double SetPressure = 0;       // p, set pressure [bar gauge]
    double AlphaGas = 0;          // α, discharge coefficient for steam and gases [–]
    double AlphaLiquid10 = 0;     // αc, liquid discharge coefficient at 10 % overpressure [–]
    double AlphaLiquid25 = 0;     // αc, liquid coefficient at 25 % overpressure, 0 = none [–]
    double RequiredPower = 0;     // N, heat power to relieve [kW]
    double RequiredCapacity = 0;  // m, required mass flow [kg/h]
    double EnthalpyIn = 0;        // i1, enthalpy of boiling water at p1 [kJ/kg]
    double EnthalpyOut = 0;       // i2, enthalpy of boiling water at p2 [kJ/kg]
    double LatentHeat = 0;        // r, latent heat of evaporation at p1 [kJ/kg]
    double SteamFraction = 0;     // X2, steam fraction of the mixture [–]
    // 1500 + 1500 mm² exceeds the flow area of every catalogue size, so these
    // defaults mark that no size has been found yet.
    double SteamArea = 1500.0; // Ap, flow area needed by the steam part [mm²]
    double WaterArea = 1500.0; // Aw, flow area needed by the water part [mm²]
};

// Valve on the installation side of a water-water heat exchanger, by PN-B-02414:1999
// ("Dobór zaworu do wymiennika wg PN-B-02414:1999").
struct TWymiennikData {
    double Overpressure = 10.0;     // b1, overpressure above the set pressure [%]
    double RelievingPressure = 0;   // p1 = 1.1 × p [bar gauge]
    double BackPressure = 0;        // p2, back pressure [bar gauge]
    QString ValveType;              // valve type text, also the name of its valve data file
    double SetPressure = 0;         // p, set pressure [bar gauge]
    double AlphaLiquid = 0;         // αc, liquid discharge coefficient at 10 % overpressure [–]
    double NetworkPressure = 0;     // pnsc, nominal pressure of the heating network [bar gauge]
    double PermissiblePressure = 0; // pdinst, permissible pressure of the installation [bar gauge]
    double RequiredCapacity = 0;    // M, required relieving flow [kg/h]
    double Capacity = 0;            // m1, capacity of one valve of the last size tried [kg/h]
    double InstallationVolume = 0;  // V, water volume of the installation [m³]
    bool CoilExchanger = true;      // coil ("wężownicowy") if true, else plate ("płytowy")
    double CoilDiameter = 0;        // dw, inner diameter of the coil tube [mm]
    double PlateArea = 0;           // A, section area of the plate exchanger [m²]
    double NetworkWaterDensity = 0; // ρ, density of the network water [kg/m³]
    double PressureFactor = 1.0;    // b, factor of the pressure difference pnsc − p, 1 or 2 [–]
    double NetworkWaterTemp = 20.0; // t1, design temperature of the network water [°C]
    int ValveCount = 1;             // n, number of valves [–]
    double TotalCapacity = 0;       // m = n × m1 of the last size tried [kg/h]
    // The size found, as its result fields show it and its report prints it.
    QString ValveSize;       // size name of the found valve
    double FlowDiameter = 0; // d, narrowest flow diameter of the found size [mm]
};

// Valve on the water side of a steam-water heat exchanger
// ("Dobór zaworu do wymiennika (para-woda)").
struct TParaWodaData {
    double Overpressure = 10.0;     // b1, overpressure above the set pressure [%]
    double RelievingPressure = 0;   // p1 = 1.1 × p [bar gauge]
    double BackPressure = 0;        // p2, back pressure [bar gauge]
    QString ValveType;              // valve type text, also the name of its valve data file
    double SetPressure = 0;         // p, set pressure [bar gauge]
    double AlphaGas = 0;            // α, discharge coefficient for steam and gases [–]
    double NetworkPressure = 0;     // pnsc, nominal steam pressure of the network [bar gauge]
    double PermissiblePressure = 0; // pdinst, permissible pressure of the installation [bar gauge]
    double RequiredCapacity = 0;    // M, required relieving flow [kg/h]
    double Capacity = 0;            // m1, capacity of one valve of the last size tried [kg/h]
    bool CoilExchanger = true;      // coil ("wężownicowy") if true, else plate ("płytowy")
    double CoilDiameter = 0;        // dw, inner diameter of the coil tube [mm]
    double PlateArea = 0;           // A, section area of the plate exchanger [m²]
    double PressureFactor = 1.0;    // b, factor of the pressure difference pnsc − p, 1 or 2 [–]
    int ValveCount = 1;             // n, number of valves [–]
    double TotalCapacity = 0;       // m = n × m1 of the last size tried [kg/h]
    // The size found, as its result fields show it and its report prints it.
    QString ValveSize;       // size name of the found valve
    double FlowDiameter = 0; // d, narrowest flow diameter of the found size [mm]
};

// Selection of a valve for compressed air ("Dobór zaworu - powietrze").
struct TDoborAirData {
    double Overpressure = 10.0;      // b1, overpressure above the set pressure [%]
    double RelievingTemp = 20.0;     // t1, relieving temperature [°C]
    double RelievingPressure = 0;    // p1 = p × (1 + b1/100) [bar gauge]
    double BackPressure = 0;         // p2, back pressure [bar gauge]
    QString ValveType;               // valve type text, also the name of its valve data file
    QString ValveSize;               // size name of the selected valve
    double FlowDiameter = 0;         // d, narrowest flow diameter of the selected size [mm]
    double SetPressure = 0;          // p, set pressure [bar gauge]
    double AlphaGas = 0;             // α, discharge coefficient for steam and gases [–]
    double RequiredCapacity = 0;     // mw, required relieving capacity typed in [kg/h]
    double Capacity = 0;             // m, capacity of the selected size [kg/h]
    double NormalVolumeCapacity = 0; // V = 0.773 × m, capacity at normal conditions [Nm³/h]
    double CompressorOutput = 0;     // V, compressor output at 20 °C and 1013 hPa [m³/min]
    double CompressorMassFlow = 0;   // M = V × 60 × 1.205, compressor mass flow [kg/h]
    // How the requirement was given in the last "Oblicz": 0 = the compressor
    // output, 1 = the required capacity. The window's radio group holds the
    // user's choice; the record keeps the one a selection and its report used.
    int Mode = 0;
};

// Selection of a valve for water ("Dobór zaworu - woda").
struct TDoborWaterData {
    double Overpressure = 10.0;   // b1, overpressure above the set pressure [%]
    double RelievingTemp = 20.0;  // t1, relieving temperature [°C]
    double RelievingPressure = 0; // p1 = p × (1 + b1/100) [bar gauge]
    double BackPressure = 0;      // p2, back pressure [bar gauge]
    QString ValveType;            // valve type text, also the name of its valve data file
    QString ValveSize;            // size name of the selected valve
    double FlowDiameter = 0;      // d, narrowest flow diameter of the selected size [mm]
    double SetPressure = 0;       // p, set pressure [bar gauge]
    double AlphaLiquid10 = 0;     // αc, liquid discharge coefficient below 25 % overpressure [–]
    double AlphaLiquid25 = 0;     // αc, liquid coefficient at 25 % and above, 0 = none [–]
    double RequiredCapacity = 0;  // mw, required relieving capacity [kg/h]
    double Capacity = 0;          // m, capacity of the selected size [kg/h]
    double VolumeCapacity = 0;    // V = m / ρ, worked out while printing [m³/h]
};

// Selection of a valve relieving the thermal expansion of heated water
// ("Rozszerzalność cieplna wody").
struct TEkspansjaData {
    double HeatInput = 0;           // H, heat supplied in one hour [kJ]
    double PermissiblePressure = 0; // pdop, permissible pressure of the tank [bar gauge]
    double WaterTemp = 0;           // t, water temperature [°C]
    double SpecificHeat = 0;        // C, specific heat of water at t [kJ/(kg·K)]
    double Overpressure = 10.0;     // b1, overpressure above the set pressure [%]
    double RelievingPressure = 0;   // p1 = 1.1 × p [bar gauge]
    double BackPressure = 0;        // p2, back pressure [bar gauge]
    QString ValveType;              // valve type text, also the name of its valve data file
    double SetPressure = 0;         // p, set pressure [bar gauge]
    double AlphaLiquid = 0;         // αc, liquid discharge coefficient at 10 % overpressure [–]
    double RequiredCapacity = 0;    // me, required relieving flow [kg/h]
    double Capacity = 0;            // m, capacity of the last size tried [kg/h]
    double StartDensity = 0;        // ρ1, water density at the start temperature [kg/m³]
    double EndDensity = 0;          // ρ2, water density at the end temperature [kg/m³]
    double WaterVolume = 0;         // V1, water volume of the installation [m³]
    double StartTemp = 0;           // tpocz, start temperature of the water [°C]
    double EndTemp = 0;             // tkonc, end temperature of the water [°C]
    double HeatingTime = 0;         // t, heating time [min]
    int AntifreezePercent = 0;      // S, antifreeze additive [%]
    // How the required flow was found in the last "Oblicz": 0 = from the heat
    // supplied in one hour, 1 = from the temperature rise in the heating time.
    // The window's radio group holds the user's choice; the record keeps the one
    // a selection and its report used.
    int Mode = 0;
    // The size found, as its result fields show it and its report prints it.
    QString ValveSize;       // size name of the found valve
    double FlowDiameter = 0; // d, narrowest flow diameter of the found size [mm]
};
