#include "code_menus.h"

#include "platform/RichTextPane.h"
#include "workspace/document_windows.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QMenu>

#include <iterator>
#include <map>

namespace brennvik {

namespace {

// One entry of a code menu, in menu order: a submenu (no text) or an item
// that inserts its text, followed by CR LF when `lineEnd` is set.
struct CodeMenuRow {
    const char *menu;  // object name of the menu it stands in
    const char *name;  // object name; element i of a control array is Name_i
    const char *caption;
    const char *text;  // nullptr for a submenu
    bool lineEnd;
    const char *tip;   // status tip where the text is not the caption's code
};

constexpr CodeMenuRow Submenu(const char *menu, const char *name, const char *caption) {
    return {menu, name, caption, nullptr, false, nullptr};
}
// A word or the start of a word; no line end.
constexpr CodeMenuRow Word(const char *menu, const char *name, const char *caption, const char *text,
                           const char *tip = nullptr) {
    return {menu, name, caption, text, false, tip};
}
// A whole block template, followed by CR LF.
constexpr CodeMenuRow Line(const char *menu, const char *name, const char *caption, const char *text) {
    return {menu, name, caption, text, true, nullptr};
}

const CodeMenuRow kRows[] = {
    Submenu("Gcode", "GcodeTurret", "刃物台指定"),
    Line("GcodeTurret", "mnuGcode_13", "Ａ刃物台 G13", "G13"),
    Line("GcodeTurret", "mnuGcode_14", "Ｂ刃物台 G14", "G14"),
    Submenu("Gcode", "GcodeSpindle", "主軸選択"),
    Line("GcodeSpindle", "GcodeSpindleSelect_1", "メイン主軸（Ｌ） G140", "G140"),
    Line("GcodeSpindle", "GcodeSpindleSelect_2", "サブ主軸下（Ｒ） G141", "G141"),
    Line("GcodeSpindle", "GcodeSpindleSelect_3", "サブ主軸上 G142", "G142"),
    Word("Gcode", "GcodeG04", "ドゥエル G04", "G04 F"),
    Submenu("Gcode", "GcodeTool", "工具径補正"),
    Word("GcodeTool", "mnuGcodeComp_1", "補正右入り G41", " G41"),
    Word("GcodeTool", "mnuGcodeComp_2", "補正左入り G42", " G42"),
    Word("GcodeTool", "mnuGcodeComp_3", "補正キャンセル G40", " G40"),
    Word("GcodeTool", "mnuGcodeComp_4", "Ｘ－Ｚ平面座標 G18", " G18"),
    Word("GcodeTool", "mnuGcodeComp_5", "Ｘ－Ｙ平面座標 G17", " G17"),
    Word("GcodeTool", "mnuGcodeComp_6", "Ｙ－Ｚ平面座標 G19", " G19"),
    Submenu("Gcode", "GcodeHome", "ホームポジション"),
    Word("GcodeHome", "GcodeHomeG21", "ATCホームポジション G21", "N000 G21 HP="),
    Word("GcodeHome", "GcodeHomeG20", "標準ホームポジション G20", "N000 G20 HP="),
    Submenu("Gcode", "GcodeToruku", "トルク制御"),
    Word("GcodeToruku", "GcodeG29", "トルクリミット G29", "N000 G29 PW="),
    Line("GcodeToruku", "GcodeG22", "トルクスキップ G22", "N000 G22 W D L PW="),
    Line("GcodeToruku", "GcodeG28", "リミットキャンセル G28", "N000 G28"),
    Submenu("Gcode", "GcodeThread", "ねじ切り"),
    Submenu("GcodeThread", "GcodeFace", "端面方向"),
    Line("GcodeFace", "GcodeG32", "1サイクル G32", "N000 G32 X Z F"),
    Line("GcodeFace", "GcodeG72", "複合サイクル G72", "N000 G72 X Z H D F"),
    Submenu("GcodeThread", "GcodeSide", "長手方向"),
    Line("GcodeSide", "GcodeG31", "1サイクル G31", "N000 G31 X Z F"),
    Line("GcodeSide", "GcodeG71", "複合サイクル G71", "N000 G71 X Z H D F"),
    Line("GcodeThread", "GcodeG34", "非固定サイクル G34", "N000 G34 X Z F"),
    Submenu("Gcode", "GcodeTei", "定周速制御"),
    Word("GcodeTei", "GcodeG96_1", "入り G96", "G96 S"),
    Word("GcodeTei", "GcodeG96_2", "切り G97", "G97 S"),
    Word("GcodeTei", "GcodeG96_3", "Ａ刃物台優先 G110", "G110 G96 S"),
    Word("GcodeTei", "GcodeG96_4", "B刃物台優先 G111", "G111 G96 S"),
    Submenu("Gcode", "GcodeChamfer", "自動面取り"),
    Word("GcodeChamfer", "GcodeG75", "Ｃ面取り G75", "G75 L"),
    Word("GcodeChamfer", "GcodeG76", "Ｒ面取り G76", "G76 L"),
    Submenu("Gcode", "GcodeLap", "ＬＡＰサイクル"),
    Line("GcodeLap", "mnuGcodeLap_1", "荒引きサイクル G85", "N000 G85 NAP1 D U W F"),
    Line("GcodeLap", "mnuGcodeLap_2", "荒引き条件変更 G84", "$    G84 XA= DA= FA= XB= DB= FB="),
    Line("GcodeLap", "mnuGcodeLap_3", "仕上げサイクル G87", "N000 G87 NAP1 (U W)"),
    Line("GcodeLap", "mnuGcodeLap_4", "倣いサイクル G86", "N000 G86 NAP1 D U W F"),
    Line("GcodeLap", "mnuGcodeLap_5", "特殊ネジ切りサイクル G88", "N000 G88 NAP1 D H F"),
    Line("GcodeLap", "mnuGcodeLap_6", "長手形状指定 G81", "NAP1 G81"),
    Line("GcodeLap", "mnuGcodeLap_7", "端面形状指定 G82", "NAP1 G82"),
    Line("GcodeLap", "mnuGcodeLap_8", "素材形状指定 G83", "NAP1 G83"),
    Line("GcodeLap", "mnuGcodeLap_9", "形状指定終了 G80", "N000 G80"),
    Submenu("Gcode", "GcodeMtool", "回転工具サイクル"),
    Line("GcodeMtool", "mnuGcodeMap_1", "ドリル G181", "N000 G181 C X Z I K F Q"),
    Line("GcodeMtool", "mnuGcodeMap_2", "深穴ドリル G183", "N000 G183 C X Z I K F E Q"),
    Line("GcodeMtool", "mnuGcodeMap_3", "同期タップ右ネジ G178", "N000 G178 C X Z I K F Q"),
    Line("GcodeMtool", "mnuGcodeMap_4", "同期タップ左ネジ G179", "N000 G179 C X Z I K F Q"),
    Line("GcodeMtool", "mnuGcodeMap_5", "フローティングタップ G184", "N000 G184 C X Z I K F Q"),
    Line("GcodeMtool", "mnuGcodeMap_6", "キーミゾ長手 G190", "N000 G190 C X Z I D E F Q"),
    Line("GcodeMtool", "mnuGcodeMap_7", "キーミゾ端面 G191", "N000 G191 C X Z K D E F Q"),
    Line("GcodeMtool", "mnuGcodeMap_8", "ネジ切り長手 G185", "N000 G185 C X Z I K F SA="),
    Line("GcodeMtool", "mnuGcodeMap_9", "ネジ切り端面 G186", "N000 G186 C X Z I K F SA="),
    Line("GcodeMtool", "mnuGcodeMap_10", "ストレートネジ切り長手 G187", "N000 G187 C X Z I K F SA="),
    Line("GcodeMtool", "mnuGcodeMap_11", "ストレートネジ切り端面 G188", "N000 G188 C X Z I K F SA="),
    Line("GcodeMtool", "mnuGcodeMap_12", "リーミング G189", "N000 G189 C X Z I K F E Q"),
    Line("GcodeMtool", "mnuGcodeMap_13", "ボーリング G182", "N000 G182 C X Z I K F Q"),
    Line("GcodeMtool", "mnuGcodeMap_14", "サイクルキャンセル G180", "N000 G180"),
    Word("Gcode", "GcodeTailstock", "心押し台移動 G152", "N000 G152 W"),
    Submenu("Gcode", "GcodeTap", "主軸タップサイクル"),
    Line("GcodeTap", "GcodeG77", "右ネジ G77", "N000 G77 X Z K F"),
    Line("GcodeTap", "GcodeG78", "左ネジ G78", "N000 G78 X Z K F"),

    Submenu("Mcode", "McodeDoor", "ドア"),
    Submenu("McodeDoor", "McodeDoorFront", "前面"),
    Word("McodeDoorFront", "McodeDoorFrontOpen_1", "開 M91", " M91"),
    Word("McodeDoorFront", "McodeDoorFrontOpen_2", "閉 M90", " M90"),
    Submenu("McodeDoor", "McodeDoorCeiling", "天井"),
    Word("McodeDoorCeiling", "McodeDoorCeilingOpen", "開 M291", " M291"),
    Word("McodeDoorCeiling", "McodeDoorCeilingClose", "閉 M290", " M290"),
    Submenu("Mcode", "McodeCoolant", "切削水"),
    Submenu("McodeCoolant", "McodeCoolantStanderd", "標準"),
    Word("McodeCoolantStanderd", "McodeCoolantStanderdOn", "入り M08", " M08"),
    Word("McodeCoolantStanderd", "McodeCoolantStanderdOff", "切り M09", " M09"),
    Submenu("McodeCoolant", "McodeCoolantHipress", "高圧 1"),
    Word("McodeCoolantHipress", "McodeCoolantHipressOn", "入り M145", " M145"),
    Word("McodeCoolantHipress", "McodeCoolantHipressOff", "切り M144", " M144"),
    Submenu("McodeCoolant", "McodeCoolantHipress2", "高圧 2"),
    Word("McodeCoolantHipress2", "McodeCoolantHipress2On", "入り M175", " M175"),
    Word("McodeCoolantHipress2", "McodeCoolantHipress2Off", "切り M174", " M174"),
    Submenu("Mcode", "McodeAirblow", "エアーブロー"),
    Submenu("McodeAirblow", "McodeAirblowChuck", "チャック"),
    Word("McodeAirblowChuck", "McodeAirblowChuckOn", "入り M89", " M89"),
    Word("McodeAirblowChuck", "McodeAirblowChuckOff", "切り M88", " M88"),
    Submenu("McodeAirblow", "McodeAirblowWorksensor", "ワーク計測センサー"),
    Word("McodeAirblowWorksensor", "McodeAirblowWorksensorOn", "入り M155", " M155"),
    Word("McodeAirblowWorksensor", "McodeAirblowWorksensorOff", "切り M154", " M154"),
    Submenu("McodeAirblow", "McodeAirblowTouchsensor", "タッチセッター"),
    Word("McodeAirblowTouchsensor", "McodeAirblowTouchsensorOn", "入り M127", " M127"),
    Word("McodeAirblowTouchsensor", "McodeAirblowTouchsensorOff", "切り M126", " M126"),
    Submenu("McodeAirblow", "McodeAirblowAdditional", "特別追加"),
    Word("McodeAirblowAdditional", "McodeAirblowAdditionalOn", "入り M51", " M51"),
    Word("McodeAirblowAdditional", "McodeAirblowAdditionalOff", "切り M50", " M50"),
    Submenu("Mcode", "McodeChuck", "チャック"),
    Submenu("McodeChuck", "McodeChuckMain", "メイン主軸"),
    Word("McodeChuckMain", "McodeChuckMainClose", "閉 M83", " M83"),
    Word("McodeChuckMain", "McodeChuckMainOpen", "開 M84", " M84"),
    Submenu("McodeChuck", "McodeChuckSub", "サブ主軸"),
    Word("McodeChuckSub", "McodeChuckSubClose", "閉 M283", " M249", "M249 を挿入します"),
    Word("McodeChuckSub", "McodeChuckSubOpen", "開 M284", " M248", "M248 を挿入します"),
    Submenu("McodeChuck", "McodeChuckInterlock", "インターロック無視"),
    Submenu("McodeChuckInterlock", "McodeChuckInterlockMain", "メイン主軸"),
    Word("McodeChuckInterlockMain", "McodeChuckInterlockMainOn", "入り M185", " M185"),
    Word("McodeChuckInterlockMain", "McodeChuckInterlockMainOff", "切り M184", " M184"),
    Submenu("McodeChuckInterlock", "McodeChuckInterlockSub", "サブ主軸"),
    Word("McodeChuckInterlockSub", "McodeChuckInterlockSubOn", "入り M247", " M247"),
    Word("McodeChuckInterlockSub", "McodeChuckInterlockSubOff", "切り M246", " M246"),
    Submenu("McodeChuck", "McodeChuckPressure", "圧力切り替え"),
    Word("McodeChuckPressure", "McodeChuckPressureHigh", "高 M59", " M59"),
    Word("McodeChuckPressure", "McodeChuckPressureLow", "低 M58", " M58"),
    Submenu("McodeChuck", "McodeChuckBarrier", "バリア"),
    Word("McodeChuckBarrier", "McodeChuckBarrierOn", "入り M25", " M25"),
    Word("McodeChuckBarrier", "McodeChuckBarrierOff", "切り M24", " M24"),
    Submenu("McodeChuck", "McodeChuckMiss", "ミス検知"),
    Word("McodeChuckMiss", "McodeChuckMissOn", "入り M133", " M133"),
    Word("McodeChuckMiss", "McodeChuckMissOff", "切り M132", " M132"),
    Word("McodeChuckMiss", "McodeChuckMissAirOn", "エアー入り M131", " M131"),
    Word("McodeChuckMiss", "McodeChuckMissAirOff", "エアー切り M130", " M130"),
    Submenu("Mcode", "McodeTailstock", "芯押し台"),
    Word("McodeTailstock", "McodeTailstockAddvance", "前進 M56", " M56"),
    Word("McodeTailstock", "McodeTailstockRetract", "後退 M55", " M55"),
    Submenu("McodeTailstock", "McodeTailstockInterlock", "インターロック無視"),
    Word("McodeTailstockInterlock", "McodeTailstockInterlockOn", "入り M157", " M157"),
    Word("McodeTailstockInterlock", "McodeTailstockInterlockOff", "切り M156", " M156"),
    Submenu("Mcode", "McodeSpindle", "主軸"),
    Word("McodeSpindle", "McodeSpindleM_1", "正転 M03", " M03 M63"),
    Word("McodeSpindle", "McodeSpindleM_2", "逆転 M04", " M04 M63"),
    Word("McodeSpindle", "McodeSpindleM_3", "停止 M05", " M05 M63"),
    Word("McodeSpindle", "McodeSpindleM_4", "定位置停止 M19 C=角度", " M19 M63"),
    Submenu("Mcode", "McodeCaxis", "C　軸"),
    Submenu("McodeCaxis", "McodeCaxisJoint", "連結"),
    Word("McodeCaxisJoint", "McodeCaxisJointM110", "入り M110", " M110"),
    Word("McodeCaxisJoint", "McodeCaxisJointM109", "切り M109", " M109"),
    Submenu("McodeCaxis", "McodeCaxisBrake", "ブレーキ"),
    Word("McodeCaxisBrake", "McodeCaxisBrakeM147", "クランプ M147", " M147"),
    Word("McodeCaxisBrake", "McodeCaxisBrakeM146", "アンクランプ M146", " M146"),
    Submenu("McodeCaxis", "McodeCaxisPositioning", "位置決め方向"),
    Word("McodeCaxisPositioning", "McodeCaxisPositioningM15", "正転 M15", " M15"),
    Word("McodeCaxisPositioning", "McodeCaxisPositioningM16", "逆転 M16", " M16"),
    Submenu("McodeCaxis", "McodeCaxisInterlock", "インターロック無視"),
    Word("McodeCaxisInterlock", "McodeCaxisInterlockM153", "入り M153", " M153"),
    Word("McodeCaxisInterlock", "McodeCaxisInterlockM152", "切り M152", " M152"),
    Submenu("Mcode", "McodeMspindle", "回転工具"),
    Word("McodeMspindle", "McodeMspindleM_1", "正転 M13", " M13 M63"),
    Word("McodeMspindle", "McodeMspindleM_2", "逆転 M14", " M14 M63"),
    Word("McodeMspindle", "McodeMspindleM_3", "停止 M12", " M12 M63"),
    Word("McodeMspindle", "McodeMspindleM_4", "定位置停止 M229 CB=角度", " M229 M63"),
};

const CodeMenuRow *FindRow(const QString &name) {
    for (const CodeMenuRow &row : kRows)
        if (row.text && name == QLatin1String(row.name)) return &row;
    return nullptr;
}

QString TextOf(const CodeMenuRow &row) {
    return QString::fromUtf8(row.text) + (row.lineEnd ? QStringLiteral("\r\n") : QString());
}

}  // namespace

void CodeItem_Click(const QString &name) {
    const CodeMenuRow *row = FindRow(name);
    RichTextPane *pane = FocusedPaneOfActiveDocument();
    if (row && pane) pane->SetSelText(TextOf(*row));
}

void InstallCodeMenus(frmMain &main) {
    std::map<QString, QMenu *> menus = {{QStringLiteral("Gcode"), main.Gcode}, {QStringLiteral("Mcode"), main.Mcode}};
    for (const CodeMenuRow &row : kRows) {
        QMenu *menu = menus.at(QString::fromLatin1(row.menu));
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        if (!row.text) {
            menus[name] = main.AddSubmenu(menu, name, caption);
            continue;
        }
        QAction *item = main.AddEntry(menu, name, caption, [name] { CodeItem_Click(name); });
        if (row.tip) item->setStatusTip(QString::fromUtf8(row.tip));
    }
}

}  // namespace brennvik
