#pragma once
// A fresh state for the generator tests: the machine settings of a first
// start (neither MacTurn nor MULTUS, home X500 Z500, approach X200 Z50,
// tool shapes on), no material, no earlier spindle speed, and the words of
// a dialog confirmed with spindle forward and coolant on.

#include "support/fixtures.h"

#include "process/block_steps.h"
#include "process/machine_settings.h"
#include "process/material.h"
#include "process/process_state.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace brennvik {

// Lines as a block holds them, each ended by CR LF.
inline QString Lines(std::initializer_list<const char *> lines) {
    QString text;
    for (const char *line : lines) text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

// A block's lines; the last, after the final CR LF, is empty.
inline QStringList BlockLines(const QString &block) { return block.split(QStringLiteral("\r\n")); }

class GeneratorTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ResetMaterialState();
        ResetBlockSteps();
        g_SpindleWord = QStringLiteral(" M03 M63");
        g_CoolantWord = QStringLiteral(" M08");
    }

    enum class Machine { Other, MacTurn, Multus };
    static void SetMachine(Machine machine) {
        g_MacTurn = machine == Machine::MacTurn;
        g_MULTUS = machine == Machine::Multus;
    }
    static void SetM867(bool on) {
        g_swM867 = on;
        DeriveM867Words();
    }
};

}  // namespace brennvik
