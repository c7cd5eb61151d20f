#pragma once
// Numeric identifiers of the main window's controls and menu commands. Every control with an
// identifier can be looked up by it (CToroglavDlg::control); radio buttons are listed per group
// in group order, so a button's position in its list is the option value it stands for.

#include <array>

#include "calc/record/design_record.h"

namespace toroglav::ui::ids {

using PerOutput = std::array<int, kOutputCount>;  // element k belongs to output k + 1

// Command buttons.
inline constexpr int kCalculate = 1;
inline constexpr int kExit = 2;
inline constexpr int kSaveDesign = 3;
inline constexpr int kLoadDesign = 4;
inline constexpr int kSaveReport = 5;
// The small button beside the dimensions' heading that picks a core from the catalogue.
inline constexpr int kPickCore = 1133;
inline constexpr int kAdviseCore = 1134;
// Opens the window of the design's losses and heating.
inline constexpr int kShowLosses = 1135;
// Opens the window of the design's winding.
inline constexpr int kShowWinding = 1136;

// Menu commands.
inline constexpr int kShowSchemes = 32774;
inline constexpr int kAbout = 57664;
inline constexpr int kHelp = 57670;
// The language menu's choices: the system's language, Russian, English.
inline constexpr std::array kLanguage = {32775, 32776, 32777};

// Radio groups, group order.
inline constexpr std::array kConverter = {1056, 1057, 1058};
inline constexpr std::array kController = {1074, 1075};
inline constexpr std::array kSwitchDrop = {1129, 1130};
inline constexpr std::array<std::array<int, 3>, kOutputCount> kRectifier = {{
    {1059, 1060, 1061},
    {1068, 1069, 1070},
    {1071, 1072, 1073},
    {1076, 1077, 1078},
    {1084, 1085, 1086},
}};
inline constexpr std::array kStabilization = {1080, 1081};
inline constexpr std::array kCoreType = {1082, 1062, 1099, 1101};
inline constexpr std::array kMaterial = {1126, 1127};
inline constexpr std::array kSupplyKind = {1095, 1096};

// Input edits.
inline constexpr int kUsat = 1000;
inline constexpr int kInductionMax = 1001;
inline constexpr int kPermeability = 1002;
inline constexpr int kFrequency = 1003;
inline constexpr int kDimD = 1004;
inline constexpr int kDimd = 1005;
inline constexpr int kDimh = 1006;
inline constexpr int kSupplyMin = 1007;
inline constexpr int kDimho = 1008;
inline constexpr int kSupplyMax = 1009;
inline constexpr int kDutyMax = 1013;
inline constexpr int kWirePrimary = 1014;
inline constexpr int kDeadTime = 1026;
inline constexpr int kCurrentDensity = 1038;
inline constexpr int kWindowFill = 1047;
inline constexpr int kDimHs = 1103;
inline constexpr int kDimL = 1105;
inline constexpr int kSupplyNom = 1108;
inline constexpr int kRdsOn = 1128;
inline constexpr PerOutput kOutVoltage = {1010, 1011, 1012, 1048, 1055};
inline constexpr PerOutput kOutCurrent = {1015, 1016, 1017, 1049, 1066};
inline constexpr PerOutput kOutCurrentMin = {1107, 1110, 1116, 1117, 1118};
inline constexpr PerOutput kDiodeDrop = {1025, 1027, 1029, 1053, 1079};
inline constexpr PerOutput kWireOut = {1018, 1019, 1022, 1054, 1083};

// Result fields.
inline constexpr int kAe = 1020;
inline constexpr int kSo = 1021;
inline constexpr int kPowerOverall = 1023;
inline constexpr int kPowerLoad = 1024;
inline constexpr int kMagnetizingCurrent = 1028;
inline constexpr int kPrimaryCurrentPeak = 1030;
inline constexpr int kPrimaryTurns = 1031;
inline constexpr int kInductance = 1032;
inline constexpr int kPrimaryWire = 1033;
inline constexpr int kSkinDiameter = 1036;
inline constexpr int kWindowFillResult = 1045;
inline constexpr int kInductionRange = 1046;
inline constexpr int kInductanceUnit = 1100;
inline constexpr int kCoreLoss = 1102;
inline constexpr int kOverheat = 1125;
inline constexpr int kSupplyCurrent = 1131;
inline constexpr int kEfficiency = 1132;
inline constexpr PerOutput kOutTurns = {1034, 1039, 1041, 1087, 1088};
inline constexpr PerOutput kOutWire = {1035, 1040, 1042, 1089, 1090};
inline constexpr PerOutput kOutVmin = {1037, 1043, 1044, 1091, 1092};
inline constexpr PerOutput kOutVnom = {1111, 1112, 1113, 1114, 1115};
inline constexpr PerOutput kOutVmax = {1050, 1051, 1052, 1093, 1094};
inline constexpr PerOutput kChoke = {1120, 1121, 1122, 1123, 1124};

// Labels renamed with the core type: first row over D, d, h; second row over Hs, ho, L.
inline constexpr int kLabelDimD = 1063;
inline constexpr int kLabelDimd = 1064;
inline constexpr int kLabelDimh = 1065;
inline constexpr int kLabelDimHs = 1104;
inline constexpr int kLabelDimho = 1067;
inline constexpr int kLabelDimL = 1106;
// The same six labels in the order they are renamed, matching CoreView::captions.
inline constexpr std::array kDimensionLabels = {kLabelDimD,  kLabelDimd,  kLabelDimh,
                                                kLabelDimho, kLabelDimHs, kLabelDimL};
inline constexpr int kChokeHeading = 1119;

// The control of each member the window shows: its edit or result field, or for an option any
// button of its radio group; a per-output member has one control per output. The data exchange
// goes through the record's members (RecordFields()) and finds their controls here; a member is
// named by its pointer, so a misspelt one does not build.
struct MemberControls {
    RecordField::Member member;
    PerOutput ids;  // ids[0] alone for a member that is not per output
};
inline constexpr MemberControls kMemberControls[] = {
    {&DesignRecord::m_nConverter, {kConverter[0]}},
    {&DesignRecord::m_nController, {kController[0]}},
    {&DesignRecord::m_nSwitchDrop, {kSwitchDrop[0]}},
    {&DesignRecord::m_nRectifier,
     {kRectifier[0][0], kRectifier[1][0], kRectifier[2][0], kRectifier[3][0], kRectifier[4][0]}},
    {&DesignRecord::m_nStabilization, {kStabilization[0]}},
    {&DesignRecord::m_nCoreType, {kCoreType[0]}},
    {&DesignRecord::m_nMaterial, {kMaterial[0]}},
    {&DesignRecord::m_nSupplyKind, {kSupplyKind[0]}},
    {&DesignRecord::m_strDimD, {kDimD}},
    {&DesignRecord::m_strDimd, {kDimd}},
    {&DesignRecord::m_strDimh, {kDimh}},
    {&DesignRecord::m_strDimho, {kDimho}},
    {&DesignRecord::m_strDimHs, {kDimHs}},
    {&DesignRecord::m_strDimL, {kDimL}},
    {&DesignRecord::m_strInductionMax, {kInductionMax}},
    {&DesignRecord::m_strFrequency, {kFrequency}},
    {&DesignRecord::m_strInductionRange, {kInductionRange}},
    {&DesignRecord::m_strPermeability, {kPermeability}},
    {&DesignRecord::m_strUsat, {kUsat}},
    {&DesignRecord::m_strCurrentDensity, {kCurrentDensity}},
    {&DesignRecord::m_strWindowFill, {kWindowFill}},
    {&DesignRecord::m_strWindowFillResult, {kWindowFillResult}},
    {&DesignRecord::m_strDutyMax, {kDutyMax}},
    {&DesignRecord::m_strSupplyMin, {kSupplyMin}},
    {&DesignRecord::m_strSupplyNom, {kSupplyNom}},
    {&DesignRecord::m_strSupplyMax, {kSupplyMax}},
    {&DesignRecord::m_strOutVoltage, kOutVoltage},
    {&DesignRecord::m_strOutCurrent, kOutCurrent},
    {&DesignRecord::m_strOutCurrentMin, kOutCurrentMin},
    {&DesignRecord::m_strWirePrimary, {kWirePrimary}},
    {&DesignRecord::m_strWireOut, kWireOut},
    {&DesignRecord::m_strPrimaryTurns, {kPrimaryTurns}},
    {&DesignRecord::m_strInductance, {kInductance}},
    {&DesignRecord::m_strPrimaryWire, {kPrimaryWire}},
    {&DesignRecord::m_strOutTurns, kOutTurns},
    {&DesignRecord::m_strOutWire, kOutWire},
    {&DesignRecord::m_strAe, {kAe}},
    {&DesignRecord::m_strSo, {kSo}},
    {&DesignRecord::m_strPowerLoad, {kPowerLoad}},
    {&DesignRecord::m_strPowerOverall, {kPowerOverall}},
    {&DesignRecord::m_strMagnetizingCurrent, {kMagnetizingCurrent}},
    {&DesignRecord::m_strPrimaryCurrentPeak, {kPrimaryCurrentPeak}},
    {&DesignRecord::m_strSupplyCurrent, {kSupplyCurrent}},
    {&DesignRecord::m_strOutVmin, kOutVmin},
    {&DesignRecord::m_strOutVnom, kOutVnom},
    {&DesignRecord::m_strOutVmax, kOutVmax},
    {&DesignRecord::m_strDiodeDrop, kDiodeDrop},
    {&DesignRecord::m_strDeadTime, {kDeadTime}},
    {&DesignRecord::m_strRdsOn, {kRdsOn}},
    {&DesignRecord::m_strSkinDiameter, {kSkinDiameter}},
    {&DesignRecord::m_strInductanceUnit, {kInductanceUnit}},
    {&DesignRecord::m_strCoreLoss, {kCoreLoss}},
    {&DesignRecord::m_strChoke, kChoke},
    {&DesignRecord::m_strOverheat, {kOverheat}},
    {&DesignRecord::m_strEfficiency, {kEfficiency}},
};

}  // namespace toroglav::ui::ids
