#include "search/TrovaCartoline.h"

#include <QLabel>

TfrmTrovaCartoline::TfrmTrovaCartoline(TfrmCartoline* editor) : QDialog(nullptr), editor_(editor)
{
    lblMemory = new QLabel(this);
    lblMemory->hide();
}
