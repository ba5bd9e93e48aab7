#pragma once
// Where the options live: the key path, the section names and every value name of the
// settings store, in one place so that a misspelt name cannot silently read a default.

#include <QLatin1StringView>
#include <array>

namespace wattmere::settingskeys {

// Key below the current user's root; sections are keys below it.
inline constexpr QLatin1StringView path{"SOFTWARE\\ORVEK\\WMR\\SETUP"};

inline constexpr QLatin1StringView program{"PROGRAM"};
inline constexpr QLatin1StringView customReport{"CUSTOMREP"};
inline constexpr QLatin1StringView user{"USER"};
inline constexpr QLatin1StringView prg{"PRG"};
inline constexpr QLatin1StringView fileHistory{"FHIS"};

// Section "PROGRAM".
inline constexpr QLatin1StringView fanPressureUnit{"FPU"};
inline constexpr QLatin1StringView fanFlowUnit{"FFU"};
inline constexpr QLatin1StringView pumpPressureUnit{"PPU"};
inline constexpr QLatin1StringView pumpFlowUnit{"PFU"};
inline constexpr QLatin1StringView powerUnit{"PWU"};
inline constexpr QLatin1StringView currency{"CRU"};
inline constexpr QLatin1StringView customCurrency{"CCT"};
inline constexpr QLatin1StringView notation{"NTU"};
inline constexpr QLatin1StringView language{"LANGUAGE"};
inline constexpr QLatin1StringView customerBlock{"L1"};
inline constexpr QLatin1StringView reportLogo{"L2"};
inline constexpr QLatin1StringView introductionScreen{"L8"};
inline constexpr QLatin1StringView setupOverview{"L9"};
inline constexpr QLatin1StringView programVersion{"PROGRAMVERSION"};

// Section "CUSTOMREP".
inline constexpr QLatin1StringView logoFile{"LOGOFN"};

// Section "USER": multi-line texts.
inline constexpr QLatin1StringView preparedBy{"PREP"};
inline constexpr QLatin1StringView companyInfo{"CPINFO"};

// Section "PRG".
inline constexpr QLatin1StringView firstStart{"MC"};
inline constexpr std::array<QLatin1StringView, 5> reportCharts{
    QLatin1StringView{"G1"}, QLatin1StringView{"G2"}, QLatin1StringView{"G3"},
    QLatin1StringView{"G4"}, QLatin1StringView{"G5"}};

// Section "FHIS": the most recent analysis files, newest first.
inline constexpr std::array<QLatin1StringView, 4> recentFiles{
    QLatin1StringView{"H1"}, QLatin1StringView{"H2"}, QLatin1StringView{"H3"},
    QLatin1StringView{"H4"}};

} // namespace wattmere::settingskeys
