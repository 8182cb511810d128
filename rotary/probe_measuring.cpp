#include "probe_measuring.h"

#include "probe_steps.h"
#include "process/block_steps.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

struct MeasuringSubprogram {
    const char *name;  // the subprogram the call line calls
    const char *kind;  // "ID" a bore, "OD" an outer diameter
};

MeasuringSubprogram SubprogramOf(ProbeMeasuring measuring) {
    switch (measuring) {
    case ProbeMeasuring::InnerDiameter: return {"OME12", "ID"};
    case ProbeMeasuring::InnerRadius: return {"OME11", "ID"};
    case ProbeMeasuring::OuterDiameter: return {"OME02", "OD"};
    case ProbeMeasuring::OuterRadius: break;
    }
    return {"OME01", "OD"};
}

// The offset the result corrects: by its group with tool-life management.
QString OffsetWords() {
    if (g_TG) return " ATG=" + FormatTwoDigits(g_ParamV) + " AOG=1";
    return " TOFN=" + FormatTwoDigits(g_ParamV);
}

// The nominal diameter, the approach of the touch, the good and reject
// bands and the offset.
QString MeasuringWords() {
    QString words = "MSP=" + FormatNcNumber(g_EndX) + " APP=3 APPS=2 IMP=1";
    words += " DOK=" + FormatNcNumber(g_ParamU);
    words += " DNG=" + FormatNcNumber(g_ParamW);
    return words + OffsetWords();
}

// The offsets of the probe's two touch directions: the probe number + 10
// and the probe number.
QString TouchOffsets() {
    const QString first = " TOF1=" + FormatTwoDigits(g_ToolNumber + 10);
    return first + " TOF2=" + FormatTwoDigits(g_ToolNumber);
}

// The diameter macros take the measuring Z and move the probe themselves;
// the radius macro measures where the probe has been put.
void AppendMeasuringLines(ProbeMeasuring measuring) {
    QString line = SequenceName();
    switch (measuring) {
    case ProbeMeasuring::InnerDiameter:
        line += " CALL ODIAA ZP1=" + FormatNcNumber(g_AppZ);
        line += " ZP2=" + FormatNcNumber(g_EndZ);
        AppendLine(line + TouchOffsets());
        AppendLine("$         " + MeasuringWords());
        AppendLine("N000 G00 X" + FormatNcNumber(g_AppX));
        break;
    case ProbeMeasuring::OuterDiameter:
        line += " CALL ODOAA XP1=" + FormatNcNumber(g_StartX);
        line += " ZP1=" + FormatNcNumber(g_StartZ);
        line += " ZP2=" + FormatNcNumber(g_EndZ);
        AppendLine(line + TouchOffsets());
        AppendLine("$         " + MeasuringWords());
        break;
    case ProbeMeasuring::InnerRadius:
        AppendLine(line + "     X" + FormatNcNumber(g_EndX - 10));
        AppendLine("N000     Z" + FormatNcNumber(g_EndZ));
        AppendLine("N000 CALL OWMXA " + MeasuringWords());
        AppendLine("N000 G00 Z" + FormatNcNumber(g_AppZ));
        AppendLine("N000     X" + FormatNcNumber(g_AppX));
        break;
    case ProbeMeasuring::OuterRadius:
        AppendLine(line + "     Z" + FormatNcNumber(g_EndZ));
        AppendLine("N000 CALL OWMXA " + MeasuringWords());
        AppendLine("N000 G00 X" + FormatNcNumber(g_AppX));
        break;
    }
}

}  // namespace

QString ProbeCallLine(ProbeMeasuring measuring) {
    const MeasuringSubprogram sub = SubprogramOf(measuring);
    const QString start = QStringLiteral("N000 CALL %1 (%2.MEASURE D").arg(QLatin1String(sub.name), QLatin1String(sub.kind));
    return start + FormatNcNumber(g_EndX) + ")";
}

QString BuildProbeSubprogram(ProbeMeasuring measuring) {
    const MeasuringSubprogram sub = SubprogramOf(measuring);
    // A line of one TAB sets it apart from whatever ends the program.
    g_OutputBlock.clear();
    AppendLine(QStringLiteral("\t"));
    AppendLine(QStringLiteral("----------< %1.MEASURE D").arg(QLatin1String(sub.kind)) + FormatNcNumber(g_EndX) +
               " >----------");
    AppendLine(QString::fromLatin1(sub.name));
    AppendLine(QStringLiteral("N000 IF[VDIN[32]EQ 0]NRTS"));
    EmitTurningToolCall();
    AppendProbeApproach();
    AppendMeasuringLines(measuring);
    AppendProbeReturn();
    AppendOptionalStop();
    AppendLine(QStringLiteral("NRTS RTS"));
    return g_OutputBlock;
}

QString OutsideMeasuringCall() { return QStringLiteral("N000 CALL OXMS\r\n"); }

}  // namespace brennvik
