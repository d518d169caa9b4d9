#pragma once
// The verses the window quotes, each as its reference, two blanks, then the verse text.
#include <QString>

namespace catalog::scripture {

// Quoted when a from-unit is chosen.
QString Jeremiah52_21();
QString Exodus37_12();
QString Exodus28_16();
QString SecondSamuel6_13();
QString Acts27_28();
QString Ezekiel40_5();
QString Luke24_13();
QString Acts1_12();
QString SecondSamuel19_36();
QString Luke2_44();
QString Genesis30_36();

// Quoted when an hour or a watch is chosen.
QString Lamentations2_19();
QString Mark13_35();
QString Mark14_30();
QString Genesis3_8();
QString Genesis1_5();
QString Matthew20_6();
QString Matthew14_25();
QString Genesis18_1();
QString Judges7_19();
QString Exodus14_24();
QString Matthew27_46();
QString Luke12_38();
QString John4_52();
QString Matthew20_5();
QString John1_39();
QString Matthew20_3();

// Quoted by the Old Testament weight converter before a weight's section.
QString Numbers3_47();
QString Exodus38_26(); // before the bekah's and the pim's

} // namespace catalog::scripture
