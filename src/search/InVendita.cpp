#include "search/InVendita.h"

TfrmInVendita::TfrmInVendita(TfrmCartoline* editor) : QDialog(nullptr), editor_(editor)
{
}
