#pragma once
// The command ids of the main program, one name each. The numbers live here and nowhere else:
// the menu rows, the tool bar, the help topics, the pictures and the bindings all use the names,
// so a search for a name leads from the menu row to the code that runs it.

namespace zelvo {

// File
inline constexpr int kCmdNewProject = 32826;
inline constexpr int kCmdOpenProject = 32827;
inline constexpr int kCmdDeleteProject = 32828;
inline constexpr int kCmdEditProject = 32831;
inline constexpr int kCmdGraphicsPreferences = 32773;
inline constexpr int kCmdDefaultStreamClass = 32816;
inline constexpr int kCmdLowVolumeStableIndices = 32817;
inline constexpr int kCmdHighVolumeStableIndices = 32818;
inline constexpr int kCmdHighVolumeFlashyIndices = 32819;
inline constexpr int kCmdLowVolumeFlashyIndices = 32820;
inline constexpr int kCmdRunoffIndices = 32821;
inline constexpr int kCmdPerennialIndices = 32822;
inline constexpr int kCmdStableGroundwaterIndices = 32842;
inline constexpr int kCmdSuperstableGroundwaterIndices = 32843;
inline constexpr int kCmdModifyIndices = 32841;
inline constexpr int kCmdExit = 57665;

// Data Management
inline constexpr int kCmdImportAgncData = 32778;
inline constexpr int kCmdImportAlternativeCsv = 32829;
inline constexpr int kCmdEditDataSetData = 32774;
inline constexpr int kCmdEditDataSetTitle = 32775;
inline constexpr int kCmdExportDataSetCsv = 32772;
inline constexpr int kCmdExportIndexValues = 32840;
inline constexpr int kCmdCreateDataSetFromExisting = 32777;
inline constexpr int kCmdGraphDataSet = 32798;
inline constexpr int kCmdDataSetReport = 32824;
inline constexpr int kCmdDeleteDataSet = 32800;

// Time Period Analysis
inline constexpr int kCmdCreateTimePeriodProfile = 32807;
inline constexpr int kCmdDeleteTimePeriodProfile = 32801;
inline constexpr int kCmdComputeProfileIndices = 32779;
inline constexpr int kCmdGraphTimePeriodData = 32804;
inline constexpr int kCmdGraphProfileIndices = 32805;
inline constexpr int kCmdProfileIndexTables = 32825;
inline constexpr int kCmdProfileComparisonReport = 32832;
inline constexpr int kCmdProfileAlterationScorecard = 32844;

// Alternative Analysis
inline constexpr int kCmdSelectBaseline = 32834;
inline constexpr int kCmdComputeAlternativeIndices = 32835;
inline constexpr int kCmdGraphAlternativeData = 32836;
inline constexpr int kCmdGraphAlternativeIndices = 32837;
inline constexpr int kCmdAlternativeIndexTables = 32838;
inline constexpr int kCmdAlternativeComparisonReport = 32833;
inline constexpr int kCmdAlternativeAlterationScorecard = 32845;

// Help
inline constexpr int kCmdHelpTopics = 57667;
inline constexpr int kCmdAbout = 57664;
// The user guide: a whole analysis worked through on real records (docs/guide.md).
inline constexpr int kCmdUserGuide = 32900;
inline constexpr int kCmdContextHelp = 57669;

// The default index set commands of the eight index groups, in group order.
inline constexpr int kCmdIndexSets[] = {kCmdLowVolumeStableIndices,
                                        kCmdHighVolumeStableIndices,
                                        kCmdHighVolumeFlashyIndices,
                                        kCmdLowVolumeFlashyIndices,
                                        kCmdRunoffIndices,
                                        kCmdPerennialIndices,
                                        kCmdStableGroundwaterIndices,
                                        kCmdSuperstableGroundwaterIndices};

}  // namespace zelvo
