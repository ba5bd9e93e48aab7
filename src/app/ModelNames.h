#pragma once
// The names of everything the analysis window shows, as lists that the model's enumerations
// and name tables are generated from. The names are the control names the view binds to.

// clang-format off

// Numeric entry fields bound to parameter slots, and the duty screen's copies of A101..A103.
#define WATTMERE_NUMERIC_FIELDS(X) \
    X(A101) X(A102) X(A103) X(A104) X(A105) X(A106) X(A107) X(A108) \
    X(A109) X(A110) X(A111) X(A112) X(A113) X(A114) X(A115) X(A116) \
    X(A117) X(A118) X(A119) X(A120) X(A121) X(A122) X(A123) X(A125) \
    X(A126) X(A127) X(A128) X(A129) X(A130) X(A131) X(A132) X(A133) \
    X(A134) X(A135) X(A136) X(A137) X(A138) X(A139) X(A140) X(A141) \
    X(A142) X(A143) X(A144) X(A145) X(A146) X(A147) X(A148) X(A149) \
    X(A150) X(A151) X(A152) X(A153) X(A154) X(A155) X(A156) X(A157) \
    X(A158) X(A159) X(A160) X(A161) X(A162) X(A163) X(A164) X(A165) \
    X(A166) X(A167) X(A168) X(A169) X(A170) X(A171) X(A172) X(A173) \
    X(A174) X(A175) X(A176) X(A101A) X(A102A) X(A103A)

// Free-text entry fields: project, customer and the names of the user-named cost rows.
#define WATTMERE_TEXT_FIELDS(X) \
    X(QNUM) X(QNUM1) X(PREPFOR) X(Titlefor) \
    X(Companyfor) X(AddressFor) X(AddressFor2) X(ZipFor) \
    X(CountryFor) X(Telfor) X(Faxfor) X(EmailFor) \
    X(OTHER1_INI_C) X(OTHER2_INI_C) X(OTHER1_INI_D) X(OTHER2_INI_D) \
    X(OTHER1_ANU_C) X(OTHER2_ANU_C) X(OTHER3_ANU_C) X(OTHER1_ANU_D) \
    X(OTHER2_ANU_D) X(OTHER3_ANU_D)

// Result and caption labels.
#define WATTMERE_LABELS(X) \
    X(DUTYTOTAL) X(SYSTEMFLOWTOTAL) X(TOTHOURS) X(TOTHOURS2) X(OT100H) \
    X(OT90H) X(OT80H) X(OT70H) X(OT60H) X(OT50H) \
    X(OT40H) X(OT30H) X(OT20H) X(OT10H) X(OT100P) \
    X(OT90P) X(OT80P) X(OT70P) X(OT60P) X(OT50P) \
    X(OT40P) X(OT30P) X(OT20P) X(OT10P) X(FL100P) \
    X(FL90P) X(FL80P) X(FL70P) X(FL60P) X(FL50P) \
    X(FL40P) X(FL30P) X(FL20P) X(FL10P) X(POWERD100) \
    X(POWERD90) X(POWERD80) X(POWERD70) X(POWERD60) X(POWERD50) \
    X(POWERD40) X(POWERD30) X(POWERD20) X(POWERD10) X(END100) \
    X(END90) X(END80) X(END70) X(END60) X(END50) \
    X(END40) X(END30) X(END20) X(END10) X(DRIVETOTALKWHR) \
    X(POWER100) X(POWER90) X(POWER80) X(POWER70) X(POWER60) \
    X(POWER50) X(POWER40) X(POWER30) X(POWER20) X(POWER10) \
    X(ENC100) X(ENC90) X(ENC80) X(ENC70) X(ENC60) \
    X(ENC50) X(ENC40) X(ENC30) X(ENC20) X(ENC10) \
    X(COMPARETOTALKWHR) X(ENERGYCOSTCOMPARE) X(SD100) X(SD090) X(SD080) \
    X(SD070) X(SD060) X(SD050) X(SD040) X(SD030) \
    X(SD020) X(SD010) X(SURGE100) X(SURGE090) X(SURGE080) \
    X(SURGE070) X(SURGE060) X(SURGE050) X(SURGE040) X(SURGE030) \
    X(SURGE020) X(SURGE010) X(SurgeLabel) X(SurgeLabel2) X(ERROR_LABEL) \
    X(ERROR_LABEL2) X(ERROR_LABEL3) X(ERROR_LABEL4) X(ERROR_LABEL5) X(SystemName) \
    X(SystemCompareLabel2) X(TOTAL_INI_COST_DRIVE) X(TOTAL_INI_COST_COMPARE) X(TOTAL_ANU_COST_DRIVE) X(TOTAL_ANU_COST_COMPARE) \
    X(INITCOSTDRIVE) X(INITCOSTCOMPARE) X(OTHERCOSTDRIVE) X(OTHERCOSTCOMPARE) X(ENERGYCOSTDRIVE) \
    X(DRIVEPR) X(INITIALCOSTSAVINGS) X(UTILITYINCENTIVE) X(ENERGYCOSTSAVINGS) X(ANNUALCOSTSAVINGS) \
    X(PAYBACKLABEL) X(Duty_Cycle_2Speed_Motor_Label) X(NOTE1) X(NOTE2) X(Advanced_Label) \
    X(Curve_Eff) X(Label11) X(A104Ext) X(A105Ext) X(A108Ext) \
    X(A109Ext) X(A120Ext) X(A121Ext) X(A122Ext) X(A123Ext) \
    X(A125Ext) X(A149Ext) X(A150Ext) X(A151Ext) X(A152Ext) \
    X(A153Ext) X(A154Ext) X(A155Ext) X(A156Ext) X(A157Ext) \
    X(A158Ext) X(A159Ext) X(A175Ext) X(A126Ext) X(A127Ext) \
    X(A128Ext) X(A129Ext) X(A130Ext) X(A131Ext) X(A132Ext) \
    X(A133Ext) X(A134Ext) X(A135Ext) X(A136Ext) X(A137Ext) \
    X(A138Ext) X(A139Ext) X(A140Ext) X(A141Ext) X(A142Ext) \
    X(A143Ext)

// Radio buttons and tick boxes.
#define WATTMERE_CHOICES(X) \
    X(S1) X(S2) X(S3) X(S4) X(R1) \
    X(R2) X(R3) X(R4) X(R5) X(HORIZ) \
    X(LOCKA149) X(LOCKA144) X(SELECTION_MTR_01) X(SELECTION_MTR_02) X(SELECTION_MTR_03) \
    X(G1) X(G2) X(G3) X(G4) X(G5)

// Panels and buttons whose visibility the workflow switches.
#define WATTMERE_PANELS(X) \
    X(Step2) X(DutyCyclePanel) X(FanAdvanced) X(ADVANCEDGRAPH) X(TwoSpeedMotorPanel) \
    X(GraphPanel) X(CalcPanel) X(Step6Panel) X(BEVELNOTE) X(Motor_2_Speed_Data)

// Charts and their series.
#define WATTMERE_CHARTS(X) \
    X(CurveChart) X(Chart1) X(Chart2) X(ControlChart2) X(DutyChart) \
    X(DutyCycleChart) X(DutyChart3) X(PowerChart1) X(PowerChart2) X(PayBackChart1) \
    X(DummyChart)
#define WATTMERE_SERIES(X) \
    X(PointSeries1) X(PointSeries2) X(SurgeSeries3) X(PointSeries1A) \
    X(PointSeries2A) X(SurgeSeries1) X(PointSeries5) X(PointSeries5A) \
    X(SurgeSeries2) X(PointSeries3) X(PointSeries4) X(SurgeSeries4) \
    X(DutySeries1) X(DutySeries2) X(DutySeries3) X(PowerRequired_Compare) \
    X(PowerRequired_Drive) X(PowerRequired_Anu_Compare) X(PowerRequired_Anu_Drive) X(PaybackChart) \
    X(PayBackNull)
// clang-format on
