#include "scores/frmHiScores.h"

#include "game/TableLink.h"
#include "platform/Platform.h"

frmHiScores::frmHiScores(platform::Platform &platform, TableLink &table, QWidget *parent)
    : QWidget(parent), platform_(platform), table_(table)
{
}

void frmHiScores::showWindow() { show(); }
void frmHiScores::GetScores() {}
void frmHiScores::ClearScores() {}
void frmHiScores::HighScores(std::int32_t, std::int32_t &) {}
